// SPDX-License-Identifier: MIT
// The website window's link: what a click hands to the program launcher,
// what happens when the launch fails, where the hand pointer shows, and the
// desktop launcher behind it, run against stand-in openers so that no test
// ever opens a browser.

#include "../gui/guifixture.h"

#include "desktoplauncher.h"
#include "web.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

using calc::RuntimeError;

namespace {
const auto CommandLine = QStringLiteral("start.exe http://www.example.com/coax/");

// How a click reaches the window.
enum class Gesture { LeftClick, RightClick, DoubleClick, PressOnLinkReleaseOutside };
}

Q_DECLARE_METATYPE(Gesture)

class TestWebsite : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> program;
    QWidget *window = nullptr;

    QLabel *label(const char *name) const { return window->findChild<QLabel *>(QString::fromLatin1(name)); }

    void clickLink() { QTest::mouseClick(label("lblWebPage"), Qt::LeftButton); }

private Q_SLOTS:
    void init()
    {
        program = std::make_unique<TestProgram>();
        program->form1->show();
        QTest::mouseClick(program->control<QPushButton>("mnuWeb"), Qt::LeftButton);
        window = program->form1->website().window();
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }

    void cleanup()
    {
        program->verifyNoUnexpectedModal();
        program.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void showsTheAddressWithoutTheSlash()
    {
        QCOMPARE(label("lblWebPage")->text(), QStringLiteral("http://www.example.com/coax"));
        QCOMPARE(label("lblWebPage")->text() + u'/', CommandLine.section(u' ', 1));
    }

    void everyClickLaunchesOnceMore_data()
    {
        QTest::addColumn<int>("clicks");
        QTest::newRow("one click") << 1;
        QTest::newRow("three clicks") << 3;
    }

    void everyClickLaunchesOnceMore()
    {
        QFETCH(int, clicks);
        for (int i = 0; i < clicks; ++i)
            clickLink();
        QCOMPARE(int(program->launcher.launches.size()), clicks);
        for (const RecordingLauncher::Launch &launch : program->launcher.launches) {
            QCOMPARE(launch.commandLine, CommandLine);
            QCOMPARE(launch.style, ProgramLauncher::WindowStyle::Hidden);
        }
        QVERIFY(program->errors.reports.empty());
        QCOMPARE(program->form1->website().window(), window);
        QVERIFY(window->isVisible());
    }

    void onlyALeftClickOnTheLinkLaunches_data()
    {
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<Gesture>("gesture");
        QTest::addColumn<int>("launches");
        QTest::newRow("link, left click") << QByteArray("lblWebPage") << Gesture::LeftClick << 1;
        QTest::newRow("link, double click") << QByteArray("lblWebPage") << Gesture::DoubleClick << 1;
        QTest::newRow("link, right click") << QByteArray("lblWebPage") << Gesture::RightClick << 0;
        QTest::newRow("link, dragged off") << QByteArray("lblWebPage") << Gesture::PressOnLinkReleaseOutside << 0;
        QTest::newRow("explanation") << QByteArray("Label1") << Gesture::LeftClick << 0;
        QTest::newRow("prompt") << QByteArray("Label2") << Gesture::LeftClick << 0;
        QTest::newRow("window background") << QByteArray() << Gesture::LeftClick << 0;
    }

    void onlyALeftClickOnTheLinkLaunches()
    {
        QFETCH(QByteArray, target);
        QFETCH(Gesture, gesture);
        QFETCH(int, launches);
        QWidget *widget = target.isEmpty() ? window : label(target.constData());
        const QPoint point = target.isEmpty() ? QPoint(5, 115) : widget->rect().center();

        switch (gesture) {
        case Gesture::LeftClick:
            QTest::mouseClick(widget, Qt::LeftButton, {}, point);
            break;
        case Gesture::RightClick:
            QTest::mouseClick(widget, Qt::RightButton, {}, point);
            break;
        case Gesture::DoubleClick:
            // What the window system delivers: the second press arrives as
            // the double click.
            QTest::mouseClick(widget, Qt::LeftButton, {}, point);
            QTest::mouseDClick(widget, Qt::LeftButton, {}, point);
            QTest::mouseRelease(widget, Qt::LeftButton, {}, point);
            break;
        case Gesture::PressOnLinkReleaseOutside:
            QTest::mousePress(widget, Qt::LeftButton, {}, point);
            QTest::mouseRelease(widget, Qt::LeftButton, {}, widget->rect().bottomRight() + QPoint(10, 10));
            break;
        }
        QCOMPARE(int(program->launcher.launches.size()), launches);
    }

    void failedLaunchIsReportedAndTheWindowStays()
    {
        program->launcher.failWith = RuntimeError::FileNotFound;
        clickLink();
        QCOMPARE(program->errors.reports, std::vector<RuntimeError>{RuntimeError::FileNotFound});
        QCOMPARE(int(RuntimeError::FileNotFound), 53);
        QCOMPARE(program->form1->website().window(), window);
        QVERIFY(window->isVisible());

        // The next click tries again.
        program->launcher.failWith.reset();
        clickLink();
        QCOMPARE(program->launcher.launches.size(), size_t(2));
        QCOMPARE(program->errors.reports.size(), size_t(1));
    }

    void handPointerOnlyOverTheLink()
    {
        const QCursor hand = label("lblWebPage")->cursor();
        QCOMPARE(hand.shape(), Qt::BitmapCursor);
        QCOMPARE(hand.hotSpot(), QPoint(13, 9));
        QCOMPARE(hand.pixmap().size(), QSize(32, 32));
        // The finger tip is drawn, the corner is transparent.
        const QImage image = hand.pixmap().toImage();
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QVERIFY(qAlpha(image.pixel(12, 12)) != 0);

        for (QWidget *other : {static_cast<QWidget *>(label("Label1")), static_cast<QWidget *>(label("Label2")),
                               window}) {
            QVERIFY2(!other->testAttribute(Qt::WA_SetCursor), qPrintable(other->objectName()));
            QCOMPARE(other->cursor().shape(), Qt::ArrowCursor);
        }
    }

    // The desktop launcher hands the address to the desktop's URL opener as
    // one argument. A stand-in opener on the PATH records what it was given.
    void desktopLauncherStartsTheUrlOpener_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("browser command")
            << CommandLine << "xdg-open" << QStringList{"http://www.example.com/coax/"};
        QTest::newRow("spaces stay in the one argument")
            << "start.exe a b  c" << "xdg-open" << QStringList{"a b  c"};
        QTest::newRow("no shell in between")
            << "start.exe $(touch x); echo" << "xdg-open" << QStringList{"$(touch x); echo"};
        QTest::newRow("other program as named") << "fakeprogram --x" << "fakeprogram" << QStringList{"--x"};
    }

    void desktopLauncherStartsTheUrlOpener()
    {
        QFETCH(QString, commandLine);
        QFETCH(QString, opener);
        QFETCH(QStringList, arguments);

        QTemporaryDir bin;
        QVERIFY(bin.isValid());
        const QString record = bin.filePath(QStringLiteral("record"));
        QFile script(bin.filePath(opener));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\nPATH=/usr/bin:/bin\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '%1.tmp'\n"
                                    "mv '%1.tmp' '%1'\n")
                         .arg(record)
                         .toLocal8Bit());
        script.close();
        QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.path().toLocal8Bit());
        DesktopLauncher launcher;
        const auto result = launcher.Shell(commandLine, ProgramLauncher::WindowStyle::Hidden);
        qputenv("PATH", path);

        QVERIFY(std::holds_alternative<double>(result));
        QVERIFY(std::get<double>(result) > 0);
        QTRY_VERIFY(QFile::exists(record));
        QFile recorded(record);
        QVERIFY(recorded.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromLocal8Bit(recorded.readAll()).split(u'\n', Qt::SkipEmptyParts), arguments);
    }

    void desktopLauncherReportsAMissingProgram_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QByteArray>("path");
        QTest::newRow("no such program") << "tarnwick-no-such-program http://www.example.com/" << qgetenv("PATH");
        QTest::newRow("no URL opener") << CommandLine << QByteArray("/nonexistent");
        QTest::newRow("empty command line") << QString() << qgetenv("PATH");
    }

    void desktopLauncherReportsAMissingProgram()
    {
        QFETCH(QString, commandLine);
        QFETCH(QByteArray, path);
        const QByteArray original = qgetenv("PATH");
        qputenv("PATH", path);
        DesktopLauncher launcher;
        const auto result = launcher.Shell(commandLine, ProgramLauncher::WindowStyle::Hidden);
        qputenv("PATH", original);
        QVERIFY(std::holds_alternative<RuntimeError>(result));
        QCOMPARE(std::get<RuntimeError>(result), RuntimeError::FileNotFound);
    }
};

TARNWICK_GUI_TEST_MAIN(TestWebsite)
#include "tst_website.moc"
