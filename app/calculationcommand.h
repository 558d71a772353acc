// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

#include "cutting.h"

#include <QCommandLineOption>
#include <QString>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

class QCommandLineParser;

// The lengths without a window, for a terminal or a script: for a list of
// frequencies or a sweep, with a cable of the list or a measured velocity
// factor, as text, CSV or JSON, with the pieces to cut if asked; the trim
// after the first test; and the cable list. Each length comes from the
// calculation the main window's unit buttons make, so the two never
// disagree. Every input is checked before anything is written.
class CalculationCommand
{
public:
    // A mistake in the command line is a usage error; a failure is a
    // calculation that overflows or output that cannot be written.
    enum Kind { Mistake, Failure };
    struct Problem {
        Kind kind;
        QString message;
    };

    // Adds the command's options to the parser.
    explicit CalculationCommand(QCommandLineParser &parser);

    // What --help says of the command before the options.
    static QString description();

    // Whether the parsed command line asks for it.
    bool isAsked() const;

    // Calculates and writes what the command line asks. Text shows numbers
    // with the user's decimal separator, and reads them with it or with a
    // point.
    std::optional<Problem> run(const std::string &userSeparator) const;

private:
    enum class Format { Text, Csv, Json };
    struct Cable;

    bool anySet(std::initializer_list<const QCommandLineOption *> options) const;
    Format format() const;
    Cable cable(const std::string &userSeparator) const;
    calc::TapeStep tapeStep(calc::Units units) const;
    std::vector<std::string> frequencies(const std::string &userSeparator, const std::string &separator) const;
    std::string cableList(Format format, const std::string &separator) const;
    std::string lengths(Format format, const std::string &userSeparator, const std::string &separator) const;
    std::string trim(const std::string &separator) const;
    void write(const std::string &output) const;

    QCommandLineParser &m_parser;
    QCommandLineOption m_frequency;
    QCommandLineOption m_from;
    QCommandLineOption m_to;
    QCommandLineOption m_step;
    QCommandLineOption m_cable;
    QCommandLineOption m_velocityFactor;
    QCommandLineOption m_metric;
    QCommandLineOption m_cutList;
    QCommandLineOption m_round;
    QCommandLineOption m_resonance;
    QCommandLineOption m_format;
    QCommandLineOption m_output;
    QCommandLineOption m_listCables;
};
