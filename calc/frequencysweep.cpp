// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "frequencysweep.h"

#include <cmath>
#include <cstdint>

namespace calc {

namespace {
constexpr std::int64_t UnitsPerMegahertz = 1'000'000'000;
// Far above any radio frequency, and far inside what the units can count.
constexpr double HighestFrequency = 1e9;
} // namespace

std::optional<std::vector<std::string>> sweepFrequencies(double from, double to, double step, std::size_t mostRows)
{
    if (!(step > 0 && from <= HighestFrequency && to <= HighestFrequency))
        return std::nullopt;
    const auto units = [](double megahertz) { return std::llround(megahertz * double(UnitsPerMegahertz)); };
    const std::int64_t first = units(from);
    const std::int64_t stride = units(step);
    if (stride <= 0)
        return std::nullopt;
    if (units(to) < first)
        return std::vector<std::string>();
    const auto rows = std::uint64_t(units(to) - first) / std::uint64_t(stride) + 1;
    if (rows > mostRows)
        return std::nullopt;

    std::vector<std::string> frequencies;
    for (std::int64_t value = first; frequencies.size() < rows; value += stride) {
        std::string fraction = std::to_string(UnitsPerMegahertz + value % UnitsPerMegahertz).substr(1);
        fraction.erase(fraction.find_last_not_of('0') + 1);
        frequencies.push_back(std::to_string(value / UnitsPerMegahertz) + (fraction.empty() ? "" : "." + fraction));
    }
    return frequencies;
}

} // namespace calc
