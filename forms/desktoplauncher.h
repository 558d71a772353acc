// SPDX-License-Identifier: MIT
#pragma once

#include "programlauncher.h"

// Launches on a Linux desktop. The command line is the program name, a
// space, and one argument; "start.exe", the opener of documents and
// addresses, stands for the desktop's URL opener. Nothing passes through a
// shell, so the argument is never interpreted.
class DesktopLauncher final : public ProgramLauncher
{
public:
    std::optional<calc::RuntimeError> start(const QString &commandLine) override;
};
