// SPDX-License-Identifier: MIT
#pragma once

#include "runtimeerror.h"

#include <QString>

#include <variant>

// The platform's program launch: starts a command line and returns at once,
// with the started task's identifier or the error that kept it from starting.
// The program hands it to the desktop; tests record the command lines.
class ProgramLauncher
{
public:
    // The window style the started program's window gets.
    enum class WindowStyle { Hidden = 0 };

    virtual ~ProgramLauncher() = default;
    virtual std::variant<double, calc::RuntimeError> Shell(const QString &commandLine, WindowStyle style) = 0;
};
