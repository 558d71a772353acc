// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
// Which windows the task bar lists is up to the window manager, which reads
// it from the window's state on the X server. So this test starts an X server
// of its own and reads that state back from the windows the program mapped.

#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

class TestTaskbar : public QObject
{
    Q_OBJECT

private:
    QProcess server;
    QString display;
    // objectName and build number -> the probe's report line
    QMap<QString, QString> reported;

    struct Window {
        QStringList state;
        bool transient = false;
    };

    Window window(const QString &key) const
    {
        Window result;
        for (const QString &field : reported.value(key).split(u' ', Qt::SkipEmptyParts)) {
            if (field.startsWith(u"state="))
                result.state = field.mid(6).split(u',', Qt::SkipEmptyParts);
            else if (field.startsWith(u"transient="))
                result.transient = field.mid(10) == u"1";
        }
        return result;
    }

private Q_SLOTS:
    void initTestCase()
    {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty())
            QSKIP("Xvfb is not installed");
        // The server picks a free display and writes its number to stdout
        // once it accepts connections.
        server.start(xvfb,
                     {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                      QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        if (!server.waitForStarted(10000))
            QSKIP("Xvfb could not be started");
        QDeadlineTimer deadline(20000);
        while (!server.canReadLine() && !deadline.hasExpired() && server.state() == QProcess::Running)
            server.waitForReadyRead(200);
        if (!server.canReadLine())
            QSKIP("Xvfb did not come up");
        display = QStringLiteral(":") + QString::fromLatin1(server.readLine().trimmed());

        QProcess probe;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), display);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        probe.setProcessEnvironment(environment);
        probe.start(QStringLiteral(TARNWICK_WINDOW_STATE_PROBE), {});
        QVERIFY(probe.waitForFinished(60000));
        const QString output = QString::fromLocal8Bit(probe.readAllStandardOutput());
        QVERIFY2(probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0,
                 qPrintable(output + QString::fromLocal8Bit(probe.readAllStandardError())));
        for (const QString &line : output.split(u'\n', Qt::SkipEmptyParts)) {
            const QStringList fields = line.split(u' ');
            reported.insert(fields.value(0) + u' ' + fields.value(1), line);
        }
    }

    void cleanupTestCase()
    {
        if (server.state() != QProcess::NotRunning) {
            server.terminate();
            if (!server.waitForFinished(5000))
                server.kill();
        }
    }

    void onlyTheEndDetailStaysOutOfTheTaskbar_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("skipsTaskbar");
        QTest::newRow("main window") << QStringLiteral("Form1 1") << false;
        QTest::newRow("center detail") << QStringLiteral("Form2 1") << false;
        QTest::newRow("end detail") << QStringLiteral("frmAbout1 1") << true;
        QTest::newRow("end detail built again") << QStringLiteral("frmAbout1 2") << true;
        QTest::newRow("website") << QStringLiteral("web 1") << false;
    }

    void onlyTheEndDetailStaysOutOfTheTaskbar()
    {
        QFETCH(QString, key);
        QFETCH(bool, skipsTaskbar);
        QVERIFY2(reported.contains(key), qPrintable(QStringList(reported.values()).join(u'\n')));
        const Window shown = window(key);
        QCOMPARE(shown.state.contains(u"_NET_WM_STATE_SKIP_TASKBAR"), skipsTaskbar);
        QCOMPARE(shown.state.contains(u"_NET_WM_STATE_SKIP_PAGER"), skipsTaskbar);
        // Free-standing: tied to no other window and not kept above one.
        QVERIFY(!shown.transient);
        QVERIFY(!shown.state.contains(u"_NET_WM_STATE_ABOVE"));
    }
};

QTEST_GUILESS_MAIN(TestTaskbar)
#include "tst_taskbar.moc"
