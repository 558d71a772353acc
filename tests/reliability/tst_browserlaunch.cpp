// SPDX-License-Identifier: MIT
// The browser launch is the program's one action outside its windows, so it
// must never become a way to run something else. The launcher starts the
// opener with an argument list and no shell: a stand-in opener on a PATH of
// its own records each argument it gets, and a marker file shows whether a
// shell ever read the text. An opener that is missing, broken, failing or
// slow must leave the launch returning at once; tst_website shows that the
// program goes on after a failed launch.

#include "desktoplauncher.h"
#include "scopedpath.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

#include <signal.h>

namespace {

// Records its argument count and arguments, NUL-separated so that no
// argument can pass for two, and only then shows the record under its name.
constexpr auto RecordingOpener = "#!/bin/sh\n"
                                 "PATH=/usr/bin:/bin\n"
                                 "printf '%s\\0' \"$#\" \"$@\" > \"$0.record.tmp\"\n"
                                 "mv \"$0.record.tmp\" \"$0.record\"\n";

enum class Opener { Missing, NotExecutable, Directory, ExitsWithFailure, Crashes, Hangs };

} // namespace

class TestBrowserLaunch : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> bin;
    std::optional<ScopedPath> path;

    QString opener() const { return bin->filePath(QStringLiteral("xdg-open")); }
    QString marker() const { return bin->filePath(QStringLiteral("marker")); }

    void writeOpener(const QByteArray &script, bool executable = true)
    {
        QFile file(opener());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(script), script.size());
        file.close();
        QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner
                                    | (executable ? QFile::ExeOwner : QFile::Permissions())));
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
    }

    void cleanup()
    {
        path.reset();
        bin.reset();
    }

    void commandLineReachesTheOpenerAsOneArgument_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::newRow("an address") << "http://example.com/coax/";
        QTest::newRow("spaces") << "a b  c";
        // %1 stands for the marker file that a shell would create.
        QTest::newRow("semicolon") << "http://example.com/; touch %1";
        QTest::newRow("command substitution") << "http://example.com/$(touch %1)";
        QTest::newRow("backticks") << "http://example.com/`touch %1`";
        QTest::newRow("pipe and and-list") << "x | touch %1 && touch %1";
        QTest::newRow("background and or-list") << "x & touch %1 || touch %1";
        QTest::newRow("redirection") << "x > %1";
        QTest::newRow("newline") << "http://example.com/\ntouch %1";
        QTest::newRow("quotes and backslashes") << "'x' \"y\" \\z %1";
        QTest::newRow("glob, home and variables") << "* ~ $HOME ${PATH} %1";
        QTest::newRow("option-like") << "--help %1";
        QTest::newRow("non-ASCII") << "http://example.com/\u00E4\u202E %1";
    }

    void commandLineReachesTheOpenerAsOneArgument()
    {
        QFETCH(QString, argument);
        argument = argument.arg(marker());
        writeOpener(RecordingOpener);

        DesktopLauncher launcher;
        QCOMPARE(launcher.start(QStringLiteral("start.exe ") + argument), std::nullopt);

        QCOMPARE(recordedArguments(), QStringList{argument});
        QVERIFY(!QFile::exists(marker()));
    }

    // Only "start.exe" stands for the URL opener; any other program is
    // started as named, and one that is not there is reported.
    void otherProgramsStartAsNamed()
    {
        writeOpener(RecordingOpener);
        QVERIFY(QFile::rename(opener(), bin->filePath(QStringLiteral("otherprogram"))));
        DesktopLauncher launcher;
        QCOMPARE(launcher.start(opener()), calc::RuntimeError::FileNotFound);
        QCOMPARE(launcher.start(QString()), calc::RuntimeError::FileNotFound);
        QCOMPARE(launcher.start(QStringLiteral("otherprogram --x")), std::nullopt);
        QTRY_VERIFY(QFile::exists(bin->filePath(QStringLiteral("otherprogram.record"))));
    }

    // A shell reads an empty PATH entry as the working folder, so a planted
    // opener there would run; the launcher's own search must skip it.
    void emptyPathEntriesDoNotMeanTheWorkingFolder_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::newRow("empty entry first") << QByteArray(":/nonexistent");
        QTest::newRow("empty entry last") << QByteArray("/nonexistent:");
        QTest::newRow("empty entry between") << QByteArray("/nonexistent::/nonexistent2");
        QTest::newRow("only a separator") << QByteArray(":");
    }

    void emptyPathEntriesDoNotMeanTheWorkingFolder()
    {
        QFETCH(QByteArray, path);
        writeOpener(RecordingOpener);
        const QString workingFolder = QDir::currentPath();
        QVERIFY(QDir::setCurrent(bin->path()));
        qputenv("PATH", path);

        DesktopLauncher launcher;
        const auto launched = launcher.start(QStringLiteral("start.exe http://example.com/"));
        QVERIFY(QDir::setCurrent(workingFolder));
        QCOMPARE(launched, calc::RuntimeError::FileNotFound);
    }

    void launchReturnsWhateverTheOpenerDoes_data()
    {
        QTest::addColumn<Opener>("opener");
        QTest::addColumn<bool>("reported");
        QTest::newRow("missing") << Opener::Missing << true;
        QTest::newRow("not executable") << Opener::NotExecutable << true;
        QTest::newRow("a folder of that name") << Opener::Directory << true;
        // Started is all the launch promises; what the opener does then is
        // its own business, and nothing waits for it.
        QTest::newRow("exits with failure") << Opener::ExitsWithFailure << false;
        QTest::newRow("crashes") << Opener::Crashes << false;
        QTest::newRow("never returns") << Opener::Hangs << false;
    }

    void launchReturnsWhateverTheOpenerDoes()
    {
        QFETCH(Opener, opener);
        QFETCH(bool, reported);

        // Writes its process id first, so that a hanging one can be ended.
        const QString pidFile = bin->filePath(QStringLiteral("pid"));
        const QByteArray prologue = "#!/bin/sh\necho $$ > '" + pidFile.toLocal8Bit() + "'\n";
        switch (opener) {
        case Opener::Missing:
            break;
        case Opener::NotExecutable:
            writeOpener(RecordingOpener, false);
            break;
        case Opener::Directory:
            QVERIFY(QDir(bin->path()).mkdir(QStringLiteral("xdg-open")));
            break;
        case Opener::ExitsWithFailure:
            writeOpener(prologue + "exit 1\n");
            break;
        case Opener::Crashes:
            writeOpener(prologue + "kill -SEGV $$\n");
            break;
        case Opener::Hangs:
            writeOpener(prologue + "exec /bin/sleep 60\n");
            break;
        }

        DesktopLauncher launcher;
        const std::optional<calc::RuntimeError> expected =
            reported ? std::optional{calc::RuntimeError::FileNotFound} : std::nullopt;
        QCOMPARE(launcher.start(QStringLiteral("start.exe http://example.com/")), expected);

        if (opener == Opener::Hangs) {
            QTRY_VERIFY(QFile::exists(pidFile));
            QFile file(pidFile);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const pid_t pid = file.readAll().trimmed().toInt();
            QVERIFY(pid > 0);
            // Still running: the launch did not wait for it to end.
            QCOMPARE(::kill(pid, SIGTERM), 0);
        }
    }
};

QTEST_GUILESS_MAIN(TestBrowserLaunch)
#include "tst_browserlaunch.moc"
