// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

#include "programlauncher.h"

#include <QObject>

// Launches on a Linux desktop. The command line is the program name, a
// space, and one argument; "start.exe", the opener of documents and
// addresses, stands for the desktop's URL opener. Nothing passes through a
// shell, so the argument is never interpreted.
//
// A started program is a child of ours that nobody waits for: the event loop
// notices when it ends and the launcher tells the caller how. A program
// still running when the launcher goes, as when the last window is closed
// while the opener still works (some desktops' xdg-open runs as long as the
// browser it started), keeps running: nothing kills it, and the system
// reaps it once we have ended.
class DesktopLauncher final : public ProgramLauncher
{
public:
    std::optional<calc::RuntimeError> start(const QString &commandLine, Ended ended) override;

private:
    // Parent of the watch on each started program that has not ended yet.
    QObject m_watches;
};
