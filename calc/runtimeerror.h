// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace calc {

// The errors a handler can end with, numbered as the user sees them in the
// error report: a calculation's, and a launch's that could not start.
enum class RuntimeError {
    Overflow = 6,
    DivisionByZero = 11,
    TypeMismatch = 13,
    FileNotFound = 53,
};

// The two lines of a report: "Run-time error '11':" and "Division by zero".
std::string runtimeErrorHeading(RuntimeError error);
std::string_view runtimeErrorDescription(RuntimeError error);

} // namespace calc
