// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

#include "runtimeerror.h"

#include <optional>
#include <string>
#include <string_view>

namespace calc {

struct ParsedNumber {
    float value = 0.0f;
    std::optional<RuntimeError> error;
};

// Reads a decimal number written with the user's decimal separator (UTF-8,
// possibly several bytes): blanks (spaces, tabs) around it, one leading sign,
// digits with at most one separator, and an optional exponent (E or e,
// optional sign, digits). The exact decimal value is rounded once, straight
// to the nearest float. Fails with TypeMismatch for anything else (the empty
// text, inf, nan, hex and thousands separators included) and with Overflow
// beyond the float range; a value too small for a float becomes ±0 or a
// denormal.
ParsedNumber TextToFloat(std::string_view text, std::string_view decimalSeparator);

// Writes a float with at most 7 significant digits: plainly when the rounded
// magnitude is 0 or in [0.0001, 1e7), otherwise as d.ddddddE+dd; trailing
// zeros are dropped, negative zero shows as "0". An exact tie between two
// 7-digit results goes to the even one.
std::string FloatToText(float value, std::string_view decimalSeparator);

} // namespace calc
