// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <optional>

// The program's options beside Qt's own (-platform, -style, ...): --help,
// --version and the calculation without a window. All of them are answered,
// and every mistake refused, before the application exists, so that none
// needs a display.
class CommandLine
{
public:
    CommandLine();

    // The exit code when the command line is answered here: help, version,
    // a calculation or a mistake. Nothing when the window should open.
    std::optional<int> answerWithoutWindow(int argc, char *argv[]);

private:
    QCommandLineParser m_parser;
    QCommandLineOption m_help;
    QCommandLineOption m_version;
};
