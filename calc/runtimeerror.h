// SPDX-License-Identifier: MIT
#pragma once

namespace calc {

// The untrapped errors a handler can end with, numbered as the user sees them
// in the error report ("Run-time error '11':"). The window layer owns the words.
enum class RuntimeError {
    Overflow = 6,
    DivisionByZero = 11,
    TypeMismatch = 13,
    FileNotFound = 53,
};

} // namespace calc
