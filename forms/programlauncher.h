// SPDX-License-Identifier: MIT
#pragma once

#include "runtimeerror.h"

#include <QString>

#include <optional>

// The platform's program launch: starts a command line and returns at once,
// without waiting for the program, with nothing or the error that kept it
// from starting. The program hands it to the desktop; tests record the
// command lines.
class ProgramLauncher
{
public:
    virtual ~ProgramLauncher() = default;
    virtual std::optional<calc::RuntimeError> start(const QString &commandLine) = 0;
};
