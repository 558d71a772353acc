// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

#include "calculationstate.h"
#include "runtimeerror.h"

#include <optional>
#include <string>
#include <string_view>

namespace calc {

enum class Units { FeetAndInches, MetresAndCentimetres };

// The words the unit boxes show: "FEET" and "INCHES", "METERS" and "CM".
struct UnitWords {
    std::string_view large;
    std::string_view small;
};
UnitWords unitWords(Units units);

// The two result rows as a screen reader hears them, and wherever else a
// row is told in words.
inline constexpr std::string_view OverallLengthRow = "Overall length";
inline constexpr std::string_view CoaxSectionRow = "Coax section";

// A result row read as one statement, in the order its boxes stand on the
// dimension line: "Overall length 34 FEET 7.774658 INCHES".
std::string rowStatement(std::string_view row, std::string_view whole, std::string_view largeUnit,
                         std::string_view remainder, std::string_view smallUnit);

// What the result boxes show after a calculation: each row's whole part and
// remainder, and the two unit words both rows share.
struct ResultTexts {
    std::string overallWhole;
    std::string overallRemainder;
    std::string coaxWhole;
    std::string coaxRemainder;
    std::string largeUnit;
    std::string smallUnit;
};

// The split lengths a calculation that succeeds keeps, and what it shows.
struct SplitLengths {
    float CoaxLength = 0.0f;
    float OverallMajor = 0.0f;
    float OverallMinor = 0.0f;
    float CoaxMajor = 0.0f;
    float CoaxMinor = 0.0f;
    ResultTexts texts;
};

// What a press of a unit button computes. It stops at its first failing
// step, and keeps what it stored before that step: nothing when the text is
// not a number it can read; the frequency and an infinite overall length
// when the division fails; everything when nothing fails.
struct LengthResult {
    std::optional<RuntimeError> error;
    std::optional<float> Frequency;
    std::optional<float> OverallLength;
    std::optional<SplitLengths> split;

    // Stores what the press kept into the handlers' shared state.
    void storeInto(CalculationState &state) const;
};

// A unit button's calculation from the typed frequency and the velocity
// factor of the cable picked last.
[[nodiscard]] LengthResult calculateLengths(std::string_view typedFrequency, float velocityFactor, Units units,
                                            std::string_view decimalSeparator);

} // namespace calc
