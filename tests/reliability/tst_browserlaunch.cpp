// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
// The browser launch is the program's one action outside its windows, so it
// must never become a way to run something else. The launcher starts the
// opener with an argument list and no shell: a stand-in opener on a PATH of
// its own records each argument it gets, and a marker file shows whether a
// shell ever read the text. The launch returns at once; how the opener ends
// is told later, and an opener still running when the launcher goes keeps
// running. tst_website shows what the program does with a failure.

#include "desktoplauncher.h"
#include "scopedpath.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using calc::RuntimeError;

namespace {

// Records its argument count and arguments, NUL-separated so that no
// argument can pass for two, and only then shows the record under its name.
constexpr auto RecordingOpener = "#!/bin/sh\n"
                                 "PATH=/usr/bin:/bin\n"
                                 "printf '%s\\0' \"$#\" \"$@\" > \"$0.record.tmp\"\n"
                                 "mv \"$0.record.tmp\" \"$0.record\"\n";

constexpr auto WebPage = "start.exe http://example.com/";

// Fails unless the opener reads /dev/null, holds no descriptor of the test's,
// has no activation token, and neither ignores nor blocks SIGUSR2 (0x800).
// Shell builtins alone, since the shell blocks signals while it waits for a
// command.
constexpr auto GivenNothingElse =
    "[ /proc/$$/fd/0 -ef /dev/null ] && [ ! -e /proc/$$/fd/100 ] && [ -z \"$XDG_ACTIVATION_TOKEN\" ] || exit 1\n"
    "while read -r key value; do case $key in SigIgn:|SigBlk:) [ $((0x$value & 0x800)) = 0 ] || exit 1;; esac; done"
    " < /proc/$$/status";

// How the test process stands when it launches: as usual; with no
// descriptor left, as where the system has no process descriptors; with
// its children reaped by the system; with a descriptor, an ignored and
// blocked signal and an activation token to hand down.
enum class Standing { Usual, NoDescriptorLeft, ChildrenIgnored, HandingDown };

using Ends = std::vector<std::optional<RuntimeError>>;

} // namespace

Q_DECLARE_METATYPE(Standing)

class TestBrowserLaunch : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> bin;
    std::optional<ScopedPath> path;
    // How each started opener ended, in the order the launcher told it.
    Ends ends;
    rlimit descriptors{};

    QString opener() const { return bin->filePath(QStringLiteral("xdg-open")); }
    QString marker() const { return bin->filePath(QStringLiteral("marker")); }
    ProgramLauncher::Ended recordEnd()
    {
        return [this](std::optional<RuntimeError> failure) { ends.push_back(failure); };
    }

    void writeOpener(const QByteArray &script)
    {
        QFile file(opener());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(script), script.size());
        file.close();
        QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }

    // What the recording opener was given, once it has written it down.
    QStringList recordedArguments()
    {
        const QString record = opener() + QStringLiteral(".record");
        if (!QTest::qWaitFor([&] { return QFile::exists(record); }, 10000))
            return {QStringLiteral("(the opener never ran)")};
        QFile file(record);
        if (!file.open(QIODevice::ReadOnly))
            return {QStringLiteral("(no record)")};
        QList<QByteArray> fields = file.readAll().split('\0');
        fields.removeLast(); // after the last terminator
        QStringList arguments;
        for (const QByteArray &field : fields.mid(1))
            arguments << QString::fromUtf8(field);
        if (fields.isEmpty() || fields.first().toInt() != arguments.size())
            arguments.prepend(QStringLiteral("(argument count does not match)"));
        return arguments;
    }

private Q_SLOTS:
    void init()
    {
        bin = std::make_unique<QTemporaryDir>();
        QVERIFY(bin->isValid());
        path.emplace(bin->path().toLocal8Bit());
        ends.clear();
        QCOMPARE(::getrlimit(RLIMIT_NOFILE, &descriptors), 0);
    }

    void cleanup()
    {
        path.reset();
        bin.reset();
        ::setrlimit(RLIMIT_NOFILE, &descriptors);
        ::signal(SIGCHLD, SIG_DFL);
        ::close(100);
        ::signal(SIGUSR2, SIG_DFL);
        const sigset_t none{};
        ::pthread_sigmask(SIG_SETMASK, &none, nullptr);
        qunsetenv("XDG_ACTIVATION_TOKEN");
        // An opener whose launcher went before it ended is nobody's to reap
        // but ours, as the system's once a program has quit: each test starts
        // with no child, as openerEndIsTold counts on.
        while (::waitpid(-1, nullptr, 0) > 0) { }
    }

    // A shell would run the marker's command, with the text as it stands or
    // inside either kind of quotes, and split the text into words. The
    // launcher turns the text into bytes itself, as the system takes them.
    void commandLineReachesTheOpenerAsOneArgument_data()
    {
        QTest::addColumn<QString>("argument");
        // %1 stands for the marker file that a shell would create.
        QTest::newRow("command separator") << "http://example.com/; touch %1";
        QTest::newRow("closing quotes, substitution") << "x'; touch %1; '\"$(touch %1)\"";
        QTest::newRow("non-ASCII") << "http://example.com/\u00E4\u202E";
    }

    void commandLineReachesTheOpenerAsOneArgument()
    {
        QFETCH(QString, argument);
        argument = argument.arg(marker());
        writeOpener(RecordingOpener);

        DesktopLauncher launcher;
        QCOMPARE(launcher.start(QStringLiteral("start.exe ") + argument, recordEnd()), std::nullopt);

        QCOMPARE(recordedArguments(), QStringList{argument});
        QVERIFY(!QFile::exists(marker()));
    }

    // Only "start.exe" stands for the URL opener; any other program is
    // started as named. One that is not there is reported at once.
    void startsTheNamedProgramOrReportsItMissing()
    {
        DesktopLauncher launcher;
        QCOMPARE(launcher.start(QString::fromLatin1(WebPage), recordEnd()), RuntimeError::FileNotFound);
        writeOpener(RecordingOpener);
        QVERIFY(QFile::rename(opener(), bin->filePath(QStringLiteral("otherprogram"))));
        QCOMPARE(launcher.start(opener(), recordEnd()), RuntimeError::FileNotFound);
        QCOMPARE(launcher.start(QString(), recordEnd()), RuntimeError::FileNotFound);
        QCOMPARE(launcher.start(QStringLiteral("otherprogram --x"), recordEnd()), std::nullopt);
        QTRY_VERIFY(QFile::exists(bin->filePath(QStringLiteral("otherprogram.record"))));
    }

    // A shell, and posix_spawnp, read an empty PATH entry as the working
    // folder, so an opener planted there would run.
    void emptyPathEntryIsNotTheWorkingFolder()
    {
        writeOpener(RecordingOpener);
        const QString workingFolder = QDir::currentPath();
        QVERIFY(QDir::setCurrent(bin->path()));
        qputenv("PATH", ":/nonexistent");

        DesktopLauncher launcher;
        const auto launched = launcher.start(QString::fromLatin1(WebPage), recordEnd());
        QVERIFY(QDir::setCurrent(workingFolder));
        QCOMPARE(launched, RuntimeError::FileNotFound);
    }

    void openerEndIsTold_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<Standing>("standing");
        QTest::addColumn<Ends>("told");
        QTest::newRow("exits 0") << QByteArray("exit 0") << Standing::Usual << Ends{std::nullopt};
        // As xdg-open does where no browser is installed.
        QTest::newRow("exits 3") << QByteArray("exit 3") << Standing::Usual << Ends{RuntimeError::FileNotFound};
        QTest::newRow("crashes") << QByteArray("kill -SEGV $$") << Standing::Usual << Ends{RuntimeError::FileNotFound};
        // Its shell may not start under that limit either: a failure all the same.
        QTest::newRow("exits 3, no descriptor left")
            << QByteArray("exit 3") << Standing::NoDescriptorLeft << Ends{RuntimeError::FileNotFound};
        // How it ended cannot be known, so nothing is told.
        QTest::newRow("exits 0, SIGCHLD ignored") << QByteArray("exit 0") << Standing::ChildrenIgnored << Ends{};
        QTest::newRow("given nothing else")
            << QByteArray(GivenNothingElse) << Standing::HandingDown << Ends{std::nullopt};
    }

    // Every opener is reaped, and how it ended told once.
    void openerEndIsTold()
    {
        QFETCH(QByteArray, script);
        QFETCH(Standing, standing);
        QFETCH(Ends, told);
        writeOpener("#!/bin/sh\n" + script + '\n');
        if (standing == Standing::NoDescriptorLeft) {
            // The lowest free descriptor, now over the limit.
            const rlimit none{rlim_t(::dup(0)), descriptors.rlim_max};
            ::close(int(none.rlim_cur));
            QCOMPARE(::setrlimit(RLIMIT_NOFILE, &none), 0);
        } else if (standing == Standing::ChildrenIgnored) {
            ::signal(SIGCHLD, SIG_IGN);
        } else if (standing == Standing::HandingDown) {
            // The descriptor the script looks for.
            QCOMPARE(::dup2(STDERR_FILENO, 100), 100);
            ::signal(SIGUSR2, SIG_IGN);
            sigset_t usr2{};
            sigaddset(&usr2, SIGUSR2);
            ::pthread_sigmask(SIG_BLOCK, &usr2, nullptr);
            qputenv("XDG_ACTIVATION_TOKEN", "spent");
        }

        DesktopLauncher launcher;
        QCOMPARE(launcher.start(QString::fromLatin1(WebPage), recordEnd()), std::nullopt);
        // Gone, zombie and all, when the test has no child left; then told,
        // if at all, on the next round.
        siginfo_t child{};
        QTRY_VERIFY(::waitid(P_ALL, 0, &child, WEXITED | WNOHANG | WNOWAIT) != 0);
        QCoreApplication::processEvents();
        QCOMPARE(ends, told);
    }

    // Each launch returns while its opener still runs, and an opener still
    // running when the launcher goes, as the program quits, is not killed:
    // here it ends by the signal the test sends, not by one of the launcher's.
    void neitherWaitsForNorKillsTheOpener()
    {
        const QString pids = bin->filePath(QStringLiteral("pids"));
        writeOpener("#!/bin/sh\necho $$ >> '" + pids.toLocal8Bit() + "'\nexec /bin/sleep 60\n");
        QList<QByteArray> started;
        {
            DesktopLauncher launcher;
            QCOMPARE(launcher.start(QString::fromLatin1(WebPage), recordEnd()), std::nullopt);
            QCOMPARE(launcher.start(QString::fromLatin1(WebPage), recordEnd()), std::nullopt);
            QTRY_VERIFY([&] {
                QFile file(pids);
                started = file.open(QIODevice::ReadOnly) ? file.readAll().split('\n') : QList<QByteArray>();
                return started.size() == 3; // two lines and what follows the last
            }());
        }
        QVERIFY(ends.empty());
        for (const QByteArray &line : started.first(2)) {
            const pid_t pid = line.toInt();
            QCOMPARE(::kill(pid, SIGUSR1), 0);
            int status = 0;
            QCOMPARE(::waitpid(pid, &status, 0), pid);
            QVERIFY(WIFSIGNALED(status));
            QCOMPARE(WTERMSIG(status), SIGUSR1);
        }
    }
};

QTEST_GUILESS_MAIN(TestBrowserLaunch)
#include "tst_browserlaunch.moc"
