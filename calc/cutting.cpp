// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "cutting.h"

#include "numbertext.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace calc {

namespace {
constexpr int InchesPerFoot = 12;
constexpr int MillimetresPerMetre = 1000;
constexpr double MostTrimmedShare = 0.1;

std::string joined(const std::vector<std::string> &words)
{
    std::string text;
    for (const std::string &word : words)
        text.append(text.empty() ? "" : " ").append(word);
    return text;
}

// The part below one large unit, in steps: "11 13/16" inches, "91.2" cm.
std::string smallPart(long long steps, const TapeStep &step, std::string_view decimalSeparator)
{
    if (step.units == Units::MetresAndCentimetres) {
        const long long millimetres = steps * (MillimetresPerMetre / step.perLargeUnit);
        std::string text = std::to_string(millimetres / 10);
        if (millimetres % 10 != 0)
            text.append(decimalSeparator).append(std::to_string(millimetres % 10));
        return text;
    }
    const long long perInch = step.perLargeUnit / InchesPerFoot;
    const long long inches = steps / perInch;
    const long long common = std::gcd(steps % perInch, perInch);
    const long long numerator = steps % perInch / common;
    std::vector<std::string> parts;
    if (inches > 0 || numerator == 0)
        parts.push_back(std::to_string(inches));
    if (numerator > 0)
        parts.push_back(std::to_string(numerator) + "/" + std::to_string(perInch / common));
    return joined(parts);
}
} // namespace

std::optional<TapeStep> findTapeStep(std::string_view name, Units units)
{
    const auto found = std::find_if(TapeSteps.begin(), TapeSteps.end(), [&](const TapeStep &step) {
        return step.units == units && (name.empty() || step.name == name);
    });
    return found == TapeSteps.end() ? std::nullopt : std::optional(*found);
}

std::string tapeLength(double length, const TapeStep &step, std::string_view decimalSeparator)
{
    const UnitWords words = unitWords(step.units);
    // Lengths no tape reaches (a frequency far below any band) keep the
    // large unit alone rather than overflow the count of steps.
    const double steps = std::round(length * step.perLargeUnit);
    if (!(steps < 1e15))
        return FloatToText(float(length), decimalSeparator) + " " + std::string(words.large);

    const auto wholeSteps = static_cast<long long>(steps);
    const long long whole = wholeSteps / step.perLargeUnit;
    const long long rest = wholeSteps % step.perLargeUnit;
    std::vector<std::string> parts;
    if (whole > 0)
        parts.insert(parts.end(), {std::to_string(whole), std::string(words.large)});
    if (rest > 0 || whole == 0)
        parts.insert(parts.end(), {smallPart(rest, step, decimalSeparator), std::string(words.small)});
    return joined(parts);
}

CutList cutList(float overallLength, float coaxLength)
{
    return {coaxLength, (double(overallLength) - double(coaxLength)) / 2};
}

std::optional<double> wireEndTrim(float overallLength, float target, float resonance)
{
    if (std::fabs(double(resonance) - double(target)) > MostTrimmedShare * double(target))
        return std::nullopt;
    const double overall = overallLength;
    return (overall * double(resonance) / double(target) - overall) / 2;
}

} // namespace calc
