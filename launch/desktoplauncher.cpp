// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "desktoplauncher.h"

#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTimer>

#include <fcntl.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

namespace {
constexpr auto DocumentOpener = "start.exe";
constexpr auto DesktopUrlOpener = "xdg-open";

// An opener that ends in failure found nothing to open the address with
// (xdg-open exits 3 where no browser is installed): to the user the same as
// no opener at all, so it is the same error.
constexpr calc::RuntimeError OpenerFailed = calc::RuntimeError::FileNotFound;

// How often an opener watched without a process descriptor is asked
// whether it has ended: soon enough for a failure to seem to follow the
// click, seldom enough to cost nothing while a browser runs for hours.
constexpr std::chrono::milliseconds AskInterval(200);

// Watches one started program and reaps it when it ends, which tells how.
// Its process descriptor turns readable when it ends; where there is none
// (no descriptor left, Linux before 5.3, a container's system-call filter),
// the watch asks now and then. Qt's QProcess would kill the program when it
// is destroyed, at the latest as we quit. A watch that goes away leaves the
// program running.
class EndWatch final : public QObject
{
public:
    EndWatch(pid_t pid, ProgramLauncher::Ended ended, QObject *parent)
        : QObject(parent)
        , m_pid(pid)
        // glibc 2.36 declares pidfd_open() without C linkage, out of C++'s
        // reach, so the system call is made directly.
        , m_processFd(static_cast<int>(::syscall(SYS_pidfd_open, pid, 0)))
        , m_ended(std::move(ended))
    {
        if (m_processFd >= 0) {
            m_notifier.emplace(m_processFd, QSocketNotifier::Read);
            connect(&*m_notifier, &QSocketNotifier::activated, this, &EndWatch::reap);
        } else {
            connect(&m_asking, &QTimer::timeout, this, &EndWatch::reap);
            m_asking.start(AskInterval);
        }
    }

    ~EndWatch() override
    {
        m_notifier.reset();
        if (m_processFd >= 0)
            ::close(m_processFd);
    }

    EndWatch(const EndWatch &) = delete;
    EndWatch &operator=(const EndWatch &) = delete;

private:
    // Never waits: a program still running leaves the process id 0. Linux
    // 5.3 gives process descriptors but cannot wait on one (EINVAL).
    void reap()
    {
        siginfo_t end{};
        int waited = m_processFd >= 0 ? ::waitid(P_PIDFD, id_t(m_processFd), &end, WEXITED | WNOHANG) : -1;
        if (m_processFd < 0 || (waited != 0 && errno == EINVAL))
            waited = ::waitid(P_PID, id_t(m_pid), &end, WEXITED | WNOHANG);
        if (waited == 0 && end.si_pid == 0)
            return;
        if (m_notifier)
            m_notifier->setEnabled(false);
        m_asking.stop();
        // Whoever is told may wait for the user in a message box's own event
        // loop: the watch is done by then, and goes once that has returned.
        deleteLater();
        // Where the system reaped the program for us, as it does when our
        // parent had us ignore SIGCHLD (ECHILD), how it ended is not known.
        if (waited == 0 && m_ended)
            m_ended(end.si_code == CLD_EXITED && end.si_status == 0 ? std::nullopt : std::optional(OpenerFailed));
    }

    pid_t m_pid;
    int m_processFd;
    std::optional<QSocketNotifier> m_notifier;
    QTimer m_asking;
    ProgramLauncher::Ended m_ended;
};

// Our environment without the desktop's token for raising our first window
// (under Wayland, and its X11 forerunner): it was ours, and is spent.
std::vector<char *> openerEnvironment()
{
    std::vector<char *> environment;
    for (char **variable = environ; *variable != nullptr; ++variable) {
        const std::string_view entry(*variable);
        if (!entry.starts_with("XDG_ACTIVATION_TOKEN=") && !entry.starts_with("DESKTOP_STARTUP_ID="))
            environment.push_back(*variable);
    }
    environment.push_back(nullptr);
    return environment;
}
}

// The opener is started hidden, as the command asks: it shows no window of
// its own, only the browser it starts does. Its process id is the task id,
// which nothing needs; what is kept is the watch on its end.
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

    // The opener, and the browser after it, get nothing of what we were
    // given but our output and error: no other descriptor (a pipe would stay
    // open while the browser runs), no input, and no signal our parent had
    // us ignore or block. It runs in a session of its own, as a detached
    // program does: the hangup of a terminal we were started from does not
    // reach it.
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addclosefrom_np(&files, STDERR_FILENO + 1);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t signals;
    sigfillset(&signals);
    posix_spawnattr_setsigdefault(&attributes, &signals);
    sigemptyset(&signals);
    posix_spawnattr_setsigmask(&attributes, &signals);
    posix_spawnattr_setflags(&attributes,
                             static_cast<short>(POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK));
    pid_t pid = 0;
    std::vector<char *> environment = openerEnvironment();
    const int failure = posix_spawn(&pid, path.constData(), &files, &attributes, arguments.data(), environment.data());
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&files);
    // The report says only what the user can act on; why the system refused
    // goes to the log.
    if (failure != 0) {
        qWarning("Cannot start %s: %s", path.constData(), std::strerror(failure));
        return calc::RuntimeError::FileNotFound;
    }
    new EndWatch(pid, std::move(ended), &m_watches);
    return std::nullopt;
}
