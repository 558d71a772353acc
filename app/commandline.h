// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>

#include <optional>

// The program's own options, --help and --version, beside Qt's (-platform,
// -style, ...). Each step returns the exit code when the program should stop
// there, and nothing when it should go on.
class CommandLine
{
public:
    CommandLine();

    // Before the application exists, so that neither needs a display.
    std::optional<int> answerHelpOrVersion(int argc, char *argv[]);

    // Once the application has taken out Qt's options, and its platform's,
    // which only it knows: whatever is left is a mistake.
    std::optional<int> refuseLeftovers(const QStringList &arguments);

private:
    QCommandLineParser m_parser;
    QCommandLineOption m_help;
    QCommandLineOption m_version;
};
