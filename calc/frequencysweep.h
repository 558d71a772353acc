// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace calc {

// The frequencies of a sweep from `from` up to `to` in steps of `step` MHz,
// both ends included, as decimals written with a point ("14", "14.05", ...,
// "14.35"). Each is counted from `from` in whole steps of a millionth of a
// kilohertz, finer than any frequency is typed, so that no step carries the
// rounding of the one before. No rows when `to` is below `from`; nothing
// when `step` is not above 0 or the sweep has more than `mostRows` rows.
std::optional<std::vector<std::string>> sweepFrequencies(double from, double to, double step, std::size_t mostRows);

} // namespace calc
