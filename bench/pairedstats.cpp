// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "pairedstats.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstddef>
#include <functional>

namespace {

double quantileOfSorted(const std::vector<double> &sorted, double fraction)
{
    const double position = fraction * double(sorted.size() - 1);
    const auto below = std::size_t(std::floor(position));
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    const double weight = position - double(below);
    return sorted[below] + weight * (sorted[above] - sorted[below]);
}

template<typename Operation>
std::vector<double> paired(const std::vector<double> &program, const std::vector<double> &floor, Operation operation)
{
    assert(program.size() == floor.size());
    std::vector<double> result(program.size());
    std::transform(program.begin(), program.end(), floor.begin(), result.begin(), operation);
    return result;
}

}

Spread spreadOf(std::vector<double> values)
{
    assert(!values.empty());
    std::sort(values.begin(), values.end());
    return {quantileOfSorted(values, 0.5), quantileOfSorted(values, 0.25), quantileOfSorted(values, 0.75)};
}

std::vector<double> pairedDifferences(const std::vector<double> &program, const std::vector<double> &floor)
{
    return paired(program, floor, std::minus<>());
}

std::vector<double> pairedRatios(const std::vector<double> &program, const std::vector<double> &floor)
{
    return paired(program, floor, std::divides<>());
}
