// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

#include "calculationstate.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace calc {

struct CableType {
    std::string_view displayName;
    float velocityFactor;
};

// The list position of an entry is its index: the cable list is never sorted.
// clang-format off
inline constexpr std::array<CableType, 20> CableCatalogue{{
    {"RG-6", 0.75f},
    {"RG-8x", 0.75f},
    {"RG-8", 0.66f},
    {"RG-8 FOAM", 0.8f},
    {"RG-11", 0.66f},
    {"RG-11 FOAM", 0.8f},
    {"RG-12", 0.66f},
    {"RG-17 OR 17A", 0.66f},
    {"RG-55", 0.66f},
    {"RG-58", 0.66f},
    {"RG-58 FOAM", 0.79f},
    {"RG-59", 0.66f},
    {"RG-59 FOAM", 0.79f},
    {"RG-142", 0.7f},
    {"RG-174", 0.66f},
    {"RG-213", 0.66f},
    {"RG-214", 0.66f},
    {"RG-223", 0.66f},
    {"BELDEN 9913", 0.84f},
    {"BELDEN 9914", 0.78f},
}};
// clang-format on

// What picking an entry of the cable list does: the position (-1 when nothing
// is selected) is kept as CableIndex; a position without an entry leaves the
// velocity factor of the cable picked before.
void selectCable(CalculationState &state, std::int16_t selectedPosition);

// The position of the entry a name typed on the command line names, where
// case, blanks and hyphens do not count: "rg8x" and "RG-8X" name "RG-8x".
// Nothing when no entry has that name.
std::optional<std::size_t> findCable(std::string_view name);

} // namespace calc
