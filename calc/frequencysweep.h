// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

#include "numbertext.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace calc {

// The frequencies of a sweep from `from` up to `to` in steps of `step`, both
// ends included, written as exact decimals with a point ("14", "14.05", ...,
// "14.35"): each is counted from `from` in whole steps, so no step carries
// the rounding of the one before. `from` and `step` are above 0. No rows
// when `to` is below `from`; nothing when the sweep has more than
// `mostRows` rows.
std::optional<std::vector<std::string>> sweepFrequencies(Decimal from, Decimal to, Decimal step, std::size_t mostRows);

} // namespace calc
