// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

// Start-up times on a shared machine have long right tails (a build on the
// other core, a page-cache miss), so every figure is a median with its
// interquartile range rather than a mean with a deviation.
struct Spread {
    double median;
    double lowerQuartile;
    double upperQuartile;
};

// Quartiles interpolated between neighbouring order statistics, so a handful
// of runs still gives a spread that moves with the data. Needs one value.
Spread spreadOf(std::vector<double> values);

// Run by run: program[i] - floor[i], and program[i] / floor[i]. Both series
// come from the same runs, so a slow spell that hit a run hit both subjects
// and cancels here, where it would only widen the spread of either median.
std::vector<double> pairedDifferences(const std::vector<double> &program, const std::vector<double> &floor);
std::vector<double> pairedRatios(const std::vector<double> &program, const std::vector<double> &floor);
