// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "cablecatalogue.h"

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

} // namespace calc
