// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

#include "runtimeerror.h"

#include <QString>

#include <functional>
#include <optional>

// The platform's program launch: starts a command line and returns at once,
// without waiting for the program, with nothing or the error that kept it
// from starting. The program hands it to the desktop; tests record the
// command lines.
class ProgramLauncher
{
public:
    // Told once, when a started program has ended, whether it failed; not
    // told where that cannot be known. It may run long after the caller of
    // start() has returned, and after the window that started the program
    // has closed, so it holds nothing of that window.
    using Ended = std::function<void(std::optional<calc::RuntimeError> failure)>;

    virtual ~ProgramLauncher() = default;
    virtual std::optional<calc::RuntimeError> start(const QString &commandLine, Ended ended) = 0;
};
