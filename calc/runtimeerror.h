// SPDX-License-Identifier: MIT
#pragma once

namespace calc {

// The errors a calculation can end with, numbered as the user sees them in
// the error report ("Run-time error '11':"). The window layer owns the words.
enum class RuntimeError {
    Overflow = 6,
    DivisionByZero = 11,
    TypeMismatch = 13,
};

} // namespace calc
