// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

// What kept a program from starting, numbered as the error report shows it
// ("Run-time error '53':").
enum class LaunchError {
    FileNotFound = 53,
};

// The platform's program launch: starts a command line and returns at once,
// without waiting for the program, with nothing or what kept it from
// starting. The program hands it to the desktop; tests record the command
// lines.
class ProgramLauncher
{
public:
    virtual ~ProgramLauncher() = default;
    virtual std::optional<LaunchError> start(const QString &commandLine) = 0;
};
