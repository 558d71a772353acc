// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
// The website window's link: what a click hands to the program launcher,
// what happens when the launch fails, and where the hand pointer shows. What
// the desktop launcher then does is tst_browserlaunch's.

#include "guifixture.h"

#include "web.h"

#include <QAccessible>
#include <QLabel>

using calc::RuntimeError;

namespace {
// How the user reaches the window.
enum class Gesture {
    LeftClick,
    ThreeClicks,
    RightClick,
    DoubleClick,
    PressOnLinkReleaseOutside,
    Return,
    KeypadEnter,
    Space,
    FirstAction
};
}

Q_DECLARE_METATYPE(Gesture)

class TestWebsite : public GuiTestCase
{
    Q_OBJECT

private:
    QWidget *window = nullptr;

    QLabel *label(const char *name) const { return window->findChild<QLabel *>(QString::fromLatin1(name)); }

    void clickLink() { QTest::mouseClick(label("lblWebPage"), Qt::LeftButton); }

    // What a click launches: the URL opener with the address the label
    // shows, and the slash it leaves off.
    QString commandLine() const { return QStringLiteral("start.exe ") + label("lblWebPage")->text() + u'/'; }

private Q_SLOTS:
    void init()
    {
        GuiTestCase::init();
        window = program->showWindow(WindowKind::Website);
        QVERIFY(window);
    }

    // Every way a user opens the page: each launches the URL opener once
    // with the address the label shows, and the slash it leaves off; no
    // other gesture, and no other place, launches anything.
    void everyWayOfOpeningTheLinkLaunchesOnce_data()
    {
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<Gesture>("gesture");
        QTest::addColumn<int>("launches");
        QTest::newRow("link, left click") << QByteArray("lblWebPage") << Gesture::LeftClick << 1;
        QTest::newRow("link, three clicks") << QByteArray("lblWebPage") << Gesture::ThreeClicks << 3;
        QTest::newRow("link, double click") << QByteArray("lblWebPage") << Gesture::DoubleClick << 1;
        QTest::newRow("link, Return") << QByteArray("lblWebPage") << Gesture::Return << 1;
        QTest::newRow("link, keypad Enter") << QByteArray("lblWebPage") << Gesture::KeypadEnter << 1;
        QTest::newRow("link, Space") << QByteArray("lblWebPage") << Gesture::Space << 1;
        // Assistive technology takes the first action as the default.
        QTest::newRow("link, first accessible action") << QByteArray("lblWebPage") << Gesture::FirstAction << 1;
        QTest::newRow("link, right click") << QByteArray("lblWebPage") << Gesture::RightClick << 0;
        QTest::newRow("link, dragged off") << QByteArray("lblWebPage") << Gesture::PressOnLinkReleaseOutside << 0;
        QTest::newRow("explanation") << QByteArray("Label1") << Gesture::LeftClick << 0;
        QTest::newRow("prompt") << QByteArray("Label2") << Gesture::LeftClick << 0;
        QTest::newRow("window background") << QByteArray() << Gesture::LeftClick << 0;
    }

    void everyWayOfOpeningTheLinkLaunchesOnce()
    {
        QFETCH(QByteArray, target);
        QFETCH(Gesture, gesture);
        QFETCH(int, launches);
        QWidget *widget = target.isEmpty() ? window : label(target.constData());
        const QPoint point = target.isEmpty() ? QPoint(5, 115) : widget->rect().center();
        const auto key = [&](Qt::Key pressed, Qt::KeyboardModifiers modifiers = {}) {
            QTest::keyClick(window, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), widget);
            QTest::keyClick(widget, pressed, modifiers);
        };

        switch (gesture) {
        case Gesture::LeftClick:
            QTest::mouseClick(widget, Qt::LeftButton, {}, point);
            break;
        case Gesture::ThreeClicks:
            for (int click = 0; click < 3; ++click)
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
        case Gesture::Return:
            key(Qt::Key_Return);
            break;
        case Gesture::KeypadEnter:
            key(Qt::Key_Enter, Qt::KeypadModifier);
            break;
        case Gesture::Space:
            key(Qt::Key_Space);
            break;
        case Gesture::FirstAction: {
            QAccessibleActionInterface *actions = QAccessible::queryAccessibleInterface(widget)->actionInterface();
            QVERIFY(actions);
            actions->doAction(actions->actionNames().value(0));
            break;
        }
        }
        QCOMPARE(int(program->launcher.launches.size()), launches);
        for (const QString &launch : program->launcher.launches)
            QCOMPARE(launch, commandLine());
        QVERIFY(program->errors.reports.empty());
        QCOMPARE(program->form1->website().window(), window);
        QVERIFY(window->isVisible());
    }

    void failedLaunchIsReportedAndTheWindowStays()
    {
        program->launcher.failWith = RuntimeError::FileNotFound;
        clickLink();
        QCOMPARE(program->errors.reports, std::vector<RuntimeError>{RuntimeError::FileNotFound});
        QCOMPARE(program->form1->website().window(), window);
        QVERIFY(window->isVisible());

        // The next click tries again.
        program->launcher.failWith.reset();
        clickLink();
        QCOMPARE(program->launcher.launches.size(), size_t(2));
        QCOMPARE(program->errors.reports.size(), size_t(1));
    }

    // An opener that fails after the click is reported when it ends, naming
    // the page, also once the window is gone.
    void openerFailingLaterIsReported_data()
    {
        QTest::addColumn<std::optional<RuntimeError>>("failure");
        QTest::addColumn<bool>("windowClosed");
        QTest::newRow("succeeded") << std::optional<RuntimeError>() << false;
        QTest::newRow("failed") << std::optional(RuntimeError::FileNotFound) << false;
        QTest::newRow("failed, window closed") << std::optional(RuntimeError::FileNotFound) << true;
    }

    void openerFailingLaterIsReported()
    {
        QFETCH(std::optional<RuntimeError>, failure);
        QFETCH(bool, windowClosed);
        clickLink();
        const QString address = commandLine().section(u' ', 1);
        if (windowClosed) {
            QVERIFY(window->close());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!program->form1->website().window());
        }
        QVERIFY(program->errors.reports.empty());

        program->launcher.endings.front()(failure);
        QCOMPARE(program->errors.reports, failure ? std::vector{*failure} : std::vector<RuntimeError>());
        QCOMPARE(program->errors.concerns, failure ? std::vector{address} : std::vector<QString>());
    }

    // In the program's own message box the page stands under the error.
    // Failures that come while it is open fold into it: one box, never one
    // inside another.
    void laterFailuresNameThePageInOneMessageBox()
    {
        MessageBoxErrorReporter errors;
        program = std::make_unique<TestProgram>(".", &errors);
        program->showWindow(WindowKind::Main);
        window = program->showWindow(WindowKind::Website);
        for (int click = 0; click < 10; ++click)
            clickLink();
        QTimer::singleShot(0, window, [this] {
            for (std::size_t later = 1; later < program->launcher.endings.size(); ++later)
                program->launcher.endings[later](RuntimeError::FileNotFound);
        });
        program->launcher.endings.front()(RuntimeError::FileNotFound);
        QCOMPARE(program->watchdog.closed().size(), 1);
        QVERIFY2(program->watchdog.closed().front().endsWith(QStringLiteral("\n\n") + commandLine().section(u' ', 1)),
                 qPrintable(program->watchdog.closed().front()));
        // The box was expected; the program goes before the reporter it holds.
        program.reset();
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

        for (QWidget *other :
             {static_cast<QWidget *>(label("Label1")), static_cast<QWidget *>(label("Label2")), window}) {
            QVERIFY2(!other->testAttribute(Qt::WA_SetCursor), qPrintable(other->objectName()));
            QCOMPARE(other->cursor().shape(), Qt::ArrowCursor);
        }
    }
};

TARNWICK_GUI_TEST_MAIN(TestWebsite)
#include "tst_website.moc"
