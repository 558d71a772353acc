// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "desktoplauncher.h"

#include <QSocketNotifier>
#include <QStandardPaths>

#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <utility>
#include <vector>

namespace {
constexpr auto DocumentOpener = "start.exe";
constexpr auto DesktopUrlOpener = "xdg-open";

// An opener that ends in failure found nothing to open the address with
// (xdg-open exits 3 where no browser is installed): to the user the same as
// no opener at all, so it is the same error.
constexpr calc::RuntimeError OpenerFailed = calc::RuntimeError::FileNotFound;

// Watches one started program through its process descriptor, which turns
// readable when the program ends; reaping it then tells how. Qt's QProcess
// would kill the program when it is destroyed, at the latest as we quit.
// A watch that goes away leaves the program running.
class EndWatch final : public QObject
{
public:
    EndWatch(int processFd, ProgramLauncher::Ended ended, QObject *parent)
        : QObject(parent)
        , m_processFd(processFd)
        , m_notifier(processFd, QSocketNotifier::Read)
        , m_ended(std::move(ended))
    {
        connect(&m_notifier, &QSocketNotifier::activated, this, &EndWatch::reap);
    }

    ~EndWatch() override
    {
        m_notifier.setEnabled(false);
        ::close(m_processFd);
    }

    EndWatch(const EndWatch &) = delete;
    EndWatch &operator=(const EndWatch &) = delete;

private:
    void reap()
    {
        m_notifier.setEnabled(false);
        siginfo_t end{};
        const bool succeeded = ::waitid(P_PIDFD, static_cast<id_t>(m_processFd), &end, WEXITED) == 0
                               && end.si_code == CLD_EXITED && end.si_status == 0;
        // Whoever is told may wait for the user in a message box's own event
        // loop: the watch is done by then, and goes once that has returned.
        deleteLater();
        if (m_ended)
            m_ended(succeeded ? std::nullopt : std::optional(OpenerFailed));
    }

    int m_processFd;
    QSocketNotifier m_notifier;
    ProgramLauncher::Ended m_ended;
};
}

// The opener is started hidden, as the command asks: it shows no window of
// its own, only the browser it starts does. Its process id is the task id,
// which nothing needs; what is kept is the descriptor that watches its end.
std::optional<calc::RuntimeError> DesktopLauncher::start(const QString &commandLine, Ended ended)
{
    const qsizetype space = commandLine.indexOf(QLatin1Char(' '));
    QString program = space < 0 ? commandLine : commandLine.left(space);
    if (program == QLatin1String(DocumentOpener))
        program = QString::fromLatin1(DesktopUrlOpener);

    // Found as QProcess finds a program: an empty PATH entry does not stand
    // for the working folder, as it would for posix_spawnp.
    const QString executable = program.isEmpty() ? QString() : QStandardPaths::findExecutable(program);
    if (executable.isEmpty())
        return calc::RuntimeError::FileNotFound;
    QByteArray path = executable.toLocal8Bit();
    QByteArray argument = commandLine.mid(space + 1).toLocal8Bit();
    std::vector<char *> arguments{path.data()};
    if (space >= 0)
        arguments.push_back(argument.data());
    arguments.push_back(nullptr);

    // In a session of its own, as a detached program is: the hangup of a
    // terminal we were started from does not reach it.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, static_cast<short>(POSIX_SPAWN_SETSID));
    pid_t pid = 0;
    const int failure = posix_spawn(&pid, path.constData(), nullptr, &attributes, arguments.data(), environ);
    posix_spawnattr_destroy(&attributes);
    if (failure != 0)
        return calc::RuntimeError::FileNotFound;

    // glibc 2.36 declares pidfd_open() without C linkage, out of C++'s
    // reach, so the system call is made directly. Where the system has no
    // process descriptors (Linux before 5.3) the program runs unwatched: a
    // failure goes unreported, and the system reaps it once we have ended.
    if (const auto processFd = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0)); processFd >= 0)
        new EndWatch(processFd, std::move(ended), &m_watches);
    return std::nullopt;
}
