// SPDX-License-Identifier: MIT
#include "desktoplauncher.h"

#include <QProcess>

namespace {
constexpr auto DocumentOpener = "start.exe";
constexpr auto DesktopUrlOpener = "xdg-open";
}

// The desktop opener shows no window of its own, so the style needs no
// translation; the task identifier is the started process's id.
std::variant<double, calc::RuntimeError> DesktopLauncher::Shell(const QString &commandLine, WindowStyle)
{
    const qsizetype space = commandLine.indexOf(QLatin1Char(' '));
    QString program = space < 0 ? commandLine : commandLine.left(space);
    QStringList arguments;
    if (space >= 0)
        arguments << commandLine.mid(space + 1);
    if (program == QLatin1String(DocumentOpener))
        program = QString::fromLatin1(DesktopUrlOpener);

    qint64 processId = 0;
    if (program.isEmpty() || !QProcess::startDetached(program, arguments, QString(), &processId))
        return calc::RuntimeError::FileNotFound;
    return static_cast<double>(processId);
}
