// SPDX-License-Identifier: MIT
#include "desktoplauncher.h"

#include <QProcess>

namespace {
constexpr auto DocumentOpener = "start.exe";
constexpr auto DesktopUrlOpener = "xdg-open";
}

// The opener is started detached, hidden as the command asks: it shows no
// window of its own, only the browser it starts does. Its process id is the
// task id, which nothing needs, so it is not kept.
std::optional<calc::RuntimeError> DesktopLauncher::start(const QString &commandLine)
{
    const qsizetype space = commandLine.indexOf(QLatin1Char(' '));
    QString program = space < 0 ? commandLine : commandLine.left(space);
    QStringList arguments;
    if (space >= 0)
        arguments << commandLine.mid(space + 1);
    if (program == QLatin1String(DocumentOpener))
        program = QString::fromLatin1(DesktopUrlOpener);

    if (program.isEmpty() || !QProcess::startDetached(program, arguments))
        return calc::RuntimeError::FileNotFound;
    return std::nullopt;
}
