// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "frequencysweep.h"

#include <algorithm>

namespace calc {

namespace {

// The digits of a decimal counted in units of 10^exponent, where that is
// at most its own exponent. Nothing when they do not fit.
std::optional<std::int64_t> inUnitsOf(Decimal value, int exponent)
{
    std::int64_t digits = value.digits;
    for (int shift = exponent; shift < value.exponent; ++shift) {
        if (__builtin_mul_overflow(digits, 10, &digits))
            return std::nullopt;
    }
    return digits;
}

std::string decimalText(std::int64_t units, int exponent)
{
    std::string text = std::to_string(units);
    if (exponent >= 0)
        return text.append(std::size_t(exponent), '0');
    const auto places = std::size_t(-exponent);
    if (text.size() <= places)
        text.insert(0, places + 1 - text.size(), '0');
    text.insert(text.end() - std::ptrdiff_t(places), '.');
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
        text.pop_back();
    return text;
}

} // namespace

std::optional<std::vector<std::string>> sweepFrequencies(Decimal from, Decimal to, Decimal step, std::size_t mostRows)
{
    const int exponent = std::min({from.exponent, to.exponent, step.exponent});
    const std::optional<std::int64_t> first = inUnitsOf(from, exponent);
    const std::optional<std::int64_t> last = inUnitsOf(to, exponent);
    const std::optional<std::int64_t> stride = inUnitsOf(step, exponent);
    if (!first || !last || !stride || *stride <= 0)
        return std::nullopt;
    if (*last < *first)
        return std::vector<std::string>();
    const auto rows = std::uint64_t(*last - *first) / std::uint64_t(*stride) + 1;
    if (rows > mostRows)
        return std::nullopt;

    std::vector<std::string> frequencies;
    frequencies.reserve(rows);
    for (std::uint64_t row = 0; row < rows; ++row)
        frequencies.push_back(decimalText(*first + std::int64_t(row) * *stride, exponent));
    return frequencies;
}

} // namespace calc
