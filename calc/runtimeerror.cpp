// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "runtimeerror.h"

namespace calc {

std::string runtimeErrorHeading(RuntimeError error)
{
    return "Run-time error '" + std::to_string(static_cast<int>(error)) + "':";
}

std::string_view runtimeErrorDescription(RuntimeError error)
{
    switch (error) {
    case RuntimeError::Overflow:
        return "Overflow";
    case RuntimeError::DivisionByZero:
        return "Division by zero";
    case RuntimeError::TypeMismatch:
        return "Type mismatch";
    case RuntimeError::FileNotFound:
        return "File not found";
    }
    return {};
}

} // namespace calc
