// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

namespace calc {

// The numbers the main window's handlers share. The program owns the one
// instance for the whole run; every field starts at +0.0 and is never reset.
// After a metric calculation the two remainders hold fractions of a metre,
// after a feet calculation inches.
struct CalculationState {
    float OverallLength = 0.0f;
    float CoaxLength = 0.0f;
    float OverallMajor = 0.0f;
    float OverallMinor = 0.0f;
    float CoaxMajor = 0.0f;
    float CoaxMinor = 0.0f;
    float Frequency = 0.0f;
    float VelocityFactor = 0.0f;
    float CableIndex = 0.0f;
};

} // namespace calc
