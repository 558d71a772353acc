// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "cablecatalogue.h"

#include <algorithm>
#include <string>

namespace calc {

void selectCable(CalculationState &state, std::int16_t selectedPosition)
{
    // Every int16 is exact in a float, so the position survives the store.
    state.CableIndex = static_cast<float>(selectedPosition);

    // -1 (no selection) and anything past the table keep the factor the user
    // picked last, so a stray selection event never zeroes the coax length.
    if (selectedPosition >= 0 && static_cast<std::size_t>(selectedPosition) < CableCatalogue.size()) {
        state.VelocityFactor = CableCatalogue[static_cast<std::size_t>(selectedPosition)].velocityFactor;
    }
}

namespace {
std::string comparable(std::string_view name)
{
    std::string kept;
    for (const char c : name) {
        if (c != ' ' && c != '-')
            kept.push_back(c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c);
    }
    return kept;
}
} // namespace

std::optional<std::size_t> findCable(std::string_view name)
{
    const std::string wanted = comparable(name);
    const auto found = std::find_if(CableCatalogue.begin(), CableCatalogue.end(),
                                    [&](const CableType &cable) { return comparable(cable.displayName) == wanted; });
    if (found == CableCatalogue.end())
        return std::nullopt;
    return std::size_t(found - CableCatalogue.begin());
}

} // namespace calc
