// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "cutting.h"

#include "numbertext.h"

#include <cmath>
#include <numeric>
#include <tuple>

namespace calc {

namespace {
constexpr int InchesPerFoot = 12;
constexpr int MillimetresPerMetre = 1000;
constexpr double MostTrimmedShare = 0.1;

// The part below one large unit, in steps: "11 13/16" inches, "91.2" cm.
std::string smallPart(long long steps, const TapeStep &step, std::string_view decimalSeparator)
{
    if (step.units == Units::MetresAndCentimetres) {
        const long long millimetres = steps * (MillimetresPerMetre / step.perLargeUnit);
        const std::string tenths = millimetres % 10 ? std::string(decimalSeparator) + char('0' + millimetres % 10) : "";
        return std::to_string(millimetres / 10) + tenths;
    }
    const long long perInch = step.perLargeUnit / InchesPerFoot;
    const long long inches = steps / perInch;
    const long long parts = steps % perInch;
    if (parts == 0)
        return std::to_string(inches);
    const long long common = std::gcd(parts, perInch);
    const std::string fraction = std::to_string(parts / common) + "/" + std::to_string(perInch / common);
    return inches == 0 ? fraction : std::to_string(inches) + " " + fraction;
}
} // namespace

std::optional<TapeStep> findTapeStep(std::string_view name, Units units)
{
    // Each unit system's default first, for an empty name.
    if (units == Units::FeetAndInches) {
        for (const int parts : {16, 2, 4, 8, 32}) {
            const std::string fraction = "1/" + std::to_string(parts);
            if (name.empty() || name == fraction)
                return TapeStep{units, InchesPerFoot * parts, fraction + " inch"};
        }
        return std::nullopt;
    }
    for (const auto &[millimetres, typed, spoken] :
         {std::tuple{1, "1mm", "1 mm"}, std::tuple{5, "5mm", "5 mm"}, std::tuple{10, "1cm", "1 cm"}}) {
        if (name.empty() || name == typed)
            return TapeStep{units, MillimetresPerMetre / millimetres, spoken};
    }
    return std::nullopt;
}

std::string tapeLength(double length, const TapeStep &step, std::string_view decimalSeparator)
{
    const UnitWords words = unitWords(step.units);
    // Lengths no tape reaches (a frequency far below any band) keep the
    // large unit alone rather than overflow the count of steps.
    const double steps = std::round(length * step.perLargeUnit);
    if (!(steps < 1e15))
        return FloatToText(float(length), decimalSeparator) + " " + std::string(words.large);
    const auto whole = static_cast<long long>(steps) / step.perLargeUnit;
    const auto rest = static_cast<long long>(steps) % step.perLargeUnit;
    const std::string large = std::to_string(whole) + " " + std::string(words.large);
    const std::string small = smallPart(rest, step, decimalSeparator) + " " + std::string(words.small);
    if (whole > 0 && rest > 0)
        return large + " " + small;
    return whole > 0 ? large : small;
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
