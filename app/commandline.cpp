// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "commandline.h"

#include "version.h"

#include <cstdio>

namespace {

constexpr int UsageError = 2;

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

CommandLine::CommandLine()
    : m_help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and exit."))
    , m_version({QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Show the version and exit."))
{
    m_parser.setApplicationDescription(
        QStringLiteral("Calculates the lengths of a coaxial dipole antenna in a window of its own.\n"
                       "Qt's own options, such as -platform and -style, are accepted too."));
    // Qt's options are single words after one dash: "-reverse" must not read
    // as -r -e -v ..., a version request among them.
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.addOption(m_help);
    m_parser.addOption(m_version);
}

std::optional<int> CommandLine::answerHelpOrVersion(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Qt's options are still among them, unknown here: only ours count now.
    m_parser.parse(arguments);
    if (m_parser.isSet(m_help)) {
        print(stdout, m_parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("tarnwick")));
        return 0;
    }
    if (m_parser.isSet(m_version)) {
        print(stdout, QStringLiteral("tarnwick " TARNWICK_PACKAGE_VERSION "\n"));
        return 0;
    }
    return std::nullopt;
}

std::optional<int> CommandLine::refuseLeftovers(const QStringList &arguments)
{
    QString mistake;
    if (!m_parser.parse(arguments))
        mistake = m_parser.errorText();
    else if (!m_parser.positionalArguments().isEmpty())
        mistake = QStringLiteral("Unexpected argument '%1'.").arg(m_parser.positionalArguments().constFirst());
    if (mistake.isEmpty())
        return std::nullopt;
    print(stderr, QStringLiteral("tarnwick: %1\nTry 'tarnwick --help' for more information.\n").arg(mistake));
    return UsageError;
}
