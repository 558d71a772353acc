// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>
#include <string>

class QCommandLineParser;

// The lengths without a window, for a terminal or a script: for a list of
// frequencies or a sweep, with a cable of the list or a measured velocity
// factor, as text, CSV or JSON, with the pieces to cut if asked; the trim
// after the first test; and the cable list. Each length comes from the
// calculation the main window's unit buttons make, so the two never
// disagree. Every input is checked before anything is written.
namespace calculationcommand {

// A mistake in the command line is a usage error; a failure is a
// calculation that overflows or output that cannot be written.
struct Problem {
    bool mistake;
    QString message;
};

// Adds the command's options, and says what --help says before them.
void addOptions(QCommandLineParser &parser);
QString synopsis();

bool isAsked(const QCommandLineParser &parser);

// Calculates and writes what the parsed command line asks. Text shows
// numbers with the user's decimal separator, and reads them with it or with
// a point.
std::optional<Problem> run(const QCommandLineParser &parser, const std::string &userSeparator);

} // namespace calculationcommand
