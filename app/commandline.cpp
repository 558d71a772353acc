// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "commandline.h"

#include "calculationcommand.h"

#include "formsruntime.h"
#include "version.h"

#include <QStringList>

#include <cstdio>

namespace {

constexpr int UsageError = 2;

// The options Qt's application, its widgets and its X11 platform take out
// of the command line for themselves, so that they count as known before
// the application exists. Hidden: Qt documents them.
// clang-format off
constexpr const char *QtOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon", "qwindowtitle",
    "session", "display", "geometry", "title", "icon", "name", "style", "stylesheet", "qmljsdebugger"};
// clang-format on
constexpr const char *QtFlags[] = {"reverse", "widgetcount", "testability", "nograb", "dograb"};

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

CommandLine::CommandLine()
    : m_help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and exit."))
    , m_version({QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Show the version and exit."))
{
    m_parser.setApplicationDescription(calculationcommand::synopsis());
    // Qt's options are single words after one dash: "-reverse" must not read
    // as -r -e -v ..., a version request among them.
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.addOption(m_help);
    m_parser.addOption(m_version);
    calculationcommand::addOptions(m_parser);
    const auto addHidden = [this](const char *name, const char *valueName) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QString::fromLatin1(valueName));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        m_parser.addOption(option);
    };
    for (const char *name : QtOptionsWithValue)
        addHidden(name, "value");
    for (const char *name : QtFlags)
        addHidden(name, "");
}

std::optional<int> CommandLine::answerWithoutWindow(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    std::optional<calculationcommand::Problem> problem;
    if (!m_parser.parse(arguments))
        problem = {true, m_parser.errorText()};
    else if (!m_parser.positionalArguments().isEmpty())
        problem = {true, QStringLiteral("Unexpected argument '%1'.").arg(m_parser.positionalArguments().constFirst())};
    else if (m_parser.isSet(m_help))
        print(stdout, m_parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("tarnwick")));
    else if (m_parser.isSet(m_version))
        print(stdout, QStringLiteral("tarnwick " TARNWICK_PACKAGE_VERSION "\n"));
    else if (calculationcommand::isAsked(m_parser))
        problem = calculationcommand::run(m_parser, userDecimalSeparator());
    else
        return std::nullopt;

    if (!problem)
        return 0;
    print(stderr, QStringLiteral("tarnwick: %1\n").arg(problem->message));
    if (!problem->mistake)
        return 1;
    print(stderr, QStringLiteral("Try 'tarnwick --help' for more information.\n"));
    return UsageError;
}
