// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
// The three windows the main window opens, driven through the main window's
// buttons: one instance each, how they close and come back, focus and keys,
// and what their frames and surfaces look like.

#include "guifixture.h"

#include "form2.h"
#include "frmabout1.h"
#include "web.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

#include "picturebox.h"

namespace {
// How the user gets rid of a window.
enum class Unload { Button, Enter, KeypadEnter, Escape, EnterInTextBox, EscapeInTextBox, CloseBox };

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
}

Q_DECLARE_METATYPE(Unload)

class TestDetailWindows : public GuiTestCase
{
    Q_OBJECT

private:
    int visibleTopLevels(const QString &objectName) const
    {
        int count = 0;
        for (QWidget *widget : QApplication::topLevelWidgets())
            count += widget->isVisible() && widget->objectName() == objectName;
        return count;
    }

    template<typename Control>
    static Control *control(QWidget *window, const char *name)
    {
        return window->findChild<Control *>(QString::fromLatin1(name));
    }

private Q_SLOTS:
    void opensOnceWhateverTheClicks_data()
    {
        QTest::addColumn<WindowKind>("kind");
        QTest::newRow("center detail") << WindowKind::CenterDetail;
        QTest::newRow("end detail") << WindowKind::EndDetail;
        QTest::newRow("website") << WindowKind::Website;
    }

    void opensOnceWhateverTheClicks()
    {
        QFETCH(WindowKind, kind);

        QWidget *first = program->showWindow(kind);
        QVERIFY(first);
        // A second click while it is open, after the user moved it and went
        // back to the main window: the same window comes to the front, where
        // the user left it.
        const QPoint moved = first->pos() + QPoint(25, 35);
        first->move(moved);
        program->form1->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(program->form1));
        QWidget *second = program->showWindow(kind);
        QCOMPARE(second, first);
        QCOMPARE(first->pos(), moved);
        QCOMPARE(visibleTopLevels(first->objectName()), 1);
        QVERIFY(first->isActiveWindow());
        // Free-standing: neither owned by the main window nor a dialog.
        QCOMPARE(first->parentWidget(), nullptr);
        QCOMPARE(first->windowType(), Qt::Window);
    }

    void unloadsOnlyItself_data()
    {
        QTest::addColumn<WindowKind>("kind");
        QTest::addColumn<Unload>("how");
        QTest::newRow("center detail, EXIT") << WindowKind::CenterDetail << Unload::Button;
        QTest::newRow("center detail, close box") << WindowKind::CenterDetail << Unload::CloseBox;
        QTest::newRow("end detail, exit") << WindowKind::EndDetail << Unload::Button;
        QTest::newRow("end detail, Enter") << WindowKind::EndDetail << Unload::Enter;
        QTest::newRow("end detail, keypad Enter") << WindowKind::EndDetail << Unload::KeypadEnter;
        QTest::newRow("end detail, Esc") << WindowKind::EndDetail << Unload::Escape;
        QTest::newRow("end detail, Enter in the text box") << WindowKind::EndDetail << Unload::EnterInTextBox;
        QTest::newRow("end detail, Esc in the text box") << WindowKind::EndDetail << Unload::EscapeInTextBox;
        QTest::newRow("end detail, close box") << WindowKind::EndDetail << Unload::CloseBox;
        QTest::newRow("website, close box") << WindowKind::Website << Unload::CloseBox;
    }

    void unloadsOnlyItself()
    {
        QFETCH(WindowKind, kind);
        QFETCH(Unload, how);

        for (WindowKind each : {WindowKind::CenterDetail, WindowKind::EndDetail, WindowKind::Website})
            QVERIFY(program->showWindow(each));
        QWidget *window = program->showWindow(kind);
        QVERIFY(window);
        QSignalSpy destroyed(window, &QObject::destroyed);
        auto *text1 = control<QTextEdit>(window, "Text1");

        switch (how) {
        case Unload::Button:
            QTest::mouseClick(control<QPushButton>(window, kind == WindowKind::EndDetail ? "cmdOK" : "Command1"),
                              Qt::LeftButton);
            break;
        case Unload::Enter:
            QTest::keyClick(window->focusWidget(), Qt::Key_Return);
            break;
        case Unload::KeypadEnter:
            QTest::keyClick(window->focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
            break;
        case Unload::Escape:
            QTest::keyClick(window->focusWidget(), Qt::Key_Escape);
            break;
        case Unload::EnterInTextBox:
        case Unload::EscapeInTextBox:
            text1->setFocus();
            QTest::keyClicks(text1, QStringLiteral("typed "));
            QTest::keyClick(text1, how == Unload::EnterInTextBox ? Qt::Key_Return : Qt::Key_Escape);
            // The key closed the window and put no line break into the text.
            if (destroyed.isEmpty())
                QVERIFY2(!text1->toPlainText().contains(u'\n'), qPrintable(text1->toPlainText()));
            break;
        case Unload::CloseBox:
            window->close();
            break;
        }
        settle();

        QCOMPARE(destroyed.count(), 1);
        QCOMPARE(program->window(kind), nullptr);
        QVERIFY(program->form1->isVisible());
        for (WindowKind other : {WindowKind::CenterDetail, WindowKind::EndDetail, WindowKind::Website}) {
            if (other != kind)
                QVERIFY(program->window(other) && program->window(other)->isVisible());
        }
        QVERIFY(program->errors.reports.empty());
        QVERIFY(program->launcher.launches.empty());
    }

    void buildsAfreshAfterUnload_data()
    {
        QTest::addColumn<WindowKind>("kind");
        QTest::addColumn<bool>("storesPosition");
        QTest::newRow("center detail") << WindowKind::CenterDetail << false;
        QTest::newRow("end detail") << WindowKind::EndDetail << true;
        QTest::newRow("website") << WindowKind::Website << true;
    }

    // A window built again comes back where its form puts it, not where the
    // user left it, and with its first text, not what was typed.
    void buildsAfreshAfterUnload()
    {
        QFETCH(WindowKind, kind);
        QFETCH(bool, storesPosition);

        QWidget *window = program->showWindow(kind);
        QVERIFY(window);
        const QPoint storedPosition = window->geometry().topLeft();
        auto *text1 = control<QTextEdit>(window, "Text1");
        const QString firstText = text1 ? text1->toPlainText() : QString();
        window->move(window->pos() + QPoint(40, 30));
        if (text1) {
            text1->setFocus();
            QTest::keyClick(text1, Qt::Key_End, Qt::ControlModifier);
            QTest::keyClicks(text1, QStringLiteral(" AND TAPE IT"));
        }
        QSignalSpy destroyed(window, &QObject::destroyed);
        window->close();
        settle();
        QCOMPARE(destroyed.count(), 1);

        window = program->showWindow(kind);
        QVERIFY(window);
        if (storesPosition)
            QCOMPARE(window->geometry().topLeft(), storedPosition);
        if (auto *rebuilt = control<QTextEdit>(window, "Text1"))
            QCOMPARE(rebuilt->toPlainText(), firstText);
    }

    // The program ends with its last window, whichever that is: run it as the
    // program runs, in the application's event loop, and close the main
    // window first.
    void runsUntilItsLastWindowCloses_data()
    {
        QTest::addColumn<WindowKind>("kind");
        QTest::newRow("center detail") << WindowKind::CenterDetail;
        QTest::newRow("end detail") << WindowKind::EndDetail;
        QTest::newRow("website") << WindowKind::Website;
    }

    void runsUntilItsLastWindowCloses()
    {
        QFETCH(WindowKind, kind);
        QVERIFY(QGuiApplication::quitOnLastWindowClosed());
        QVERIFY(program->showWindow(kind));
        QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);

        // Each step is queued behind whatever the one before it set off, a
        // quit included.
        bool closedBoth = false;
        bool runningWithOneWindow = false;
        QMetaObject::invokeMethod(
            qApp,
            [&] {
                program->form1->close();
                QMetaObject::invokeMethod(
                    qApp,
                    [&] {
                        runningWithOneWindow =
                            lastClosed.isEmpty() && program->window(kind) && program->window(kind)->isVisible();
                        program->window(kind)->close();
                        closedBoth = true;
                    },
                    Qt::QueuedConnection);
            },
            Qt::QueuedConnection);
        // Reached only when the program runs on after its last window.
        QTimer deadline;
        deadline.setSingleShot(true);
        connect(&deadline, &QTimer::timeout, &deadline, [] { QCoreApplication::exit(3); });
        deadline.start(10000);

        const int exitCode = QApplication::exec();
        QVERIFY(closedBoth);
        QVERIFY(runningWithOneWindow);
        QCOMPARE(exitCode, 0);
        QCOMPARE(lastClosed.count(), 1);
    }

    void enterAndEscapeMeanNothingInTheCenterDetail_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Enter") << Qt::Key_Return;
        QTest::newRow("keypad Enter") << Qt::Key_Enter;
        QTest::newRow("Esc") << Qt::Key_Escape;
    }

    void enterAndEscapeMeanNothingInTheCenterDetail()
    {
        QFETCH(Qt::Key, key);
        QWidget *window = program->showWindow(WindowKind::CenterDetail);
        QVERIFY(window);
        QTest::keyClick(QApplication::focusWidget(), key);
        settle();
        QCOMPARE(program->window(WindowKind::CenterDetail), window);
        QVERIFY(window->isVisible());
    }

    void framesFitEachWindowsUse_data()
    {
        QTest::addColumn<WindowKind>("kind");
        QTest::addColumn<bool>("resizable");
        QTest::addColumn<bool>("minimizeBox");
        QTest::addColumn<bool>("maximizeBox");
        QTest::addColumn<bool>("programIcon");
        QTest::newRow("main window") << WindowKind::Main << true << true << true << true;
        QTest::newRow("center detail") << WindowKind::CenterDetail << true << true << true << false;
        QTest::newRow("end detail") << WindowKind::EndDetail << false << false << false << false;
        QTest::newRow("website") << WindowKind::Website << false << true << false << true;
    }

    void framesFitEachWindowsUse()
    {
        QFETCH(WindowKind, kind);
        QFETCH(bool, resizable);
        QFETCH(bool, minimizeBox);
        QFETCH(bool, maximizeBox);
        QFETCH(bool, programIcon);

        QWidget *window = program->showWindow(kind);
        QVERIFY(window);
        QCOMPARE(window->minimumSize() != window->maximumSize(), resizable);
        const Qt::WindowFlags flags = window->windowHandle()->flags();
        QCOMPARE(bool(flags & Qt::WindowMinimizeButtonHint), minimizeBox);
        QCOMPARE(bool(flags & Qt::WindowMaximizeButtonHint), maximizeBox);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowStaysOnTopHint));
        QCOMPARE(window->testAttribute(Qt::WA_SetWindowIcon), programIcon);
        QCOMPARE(window->windowIcon().isNull(), !programIcon);
    }

    void resizingTheCenterDetailMovesNothing()
    {
        QWidget *window = program->showWindow(WindowKind::CenterDetail);
        QVERIFY(window);
        const QRect picture = control<QWidget>(window, "Picture1")->geometry();
        const QRect button = control<QWidget>(window, "Command1")->geometry();
        window->resize(600, 560);
        QTRY_COMPARE(window->size(), QSize(600, 560));
        QCOMPARE(control<QWidget>(window, "Picture1")->geometry(), picture);
        QCOMPARE(control<QWidget>(window, "Command1")->geometry(), button);
        QCOMPARE(pixelAt(window, QPoint(590, 550)), QColor(255, 255, 128));
    }

    // The end drawing fills the picture box, which overhangs the window on
    // the right, and the text box lies on the drawing's empty band.
    void endDetailLiesOnItsDrawing()
    {
        QWidget *window = program->showWindow(WindowKind::EndDetail);
        QVERIFY(window);
        auto *picture = control<PictureBox>(window, "picIcon");
        QCOMPARE(picture->geometry().right() - window->rect().right(), 3);
        QCOMPARE(picture->contentsRect(), QRect(2, 2, 400, 400));

        auto *text1 = control<QTextEdit>(window, "Text1");
        QCOMPARE(text1->parentWidget(), picture);
        QVERIFY(picture->contentsRect().contains(text1->geometry()));
        QVERIFY(text1->isVisible());
    }

    void textsWrapOntoTheirLines_data()
    {
        QTest::addColumn<WindowKind>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("lines");
        QTest::newRow("end detail instruction") << WindowKind::EndDetail << "Text1" << 2;
        QTest::newRow("website explanation") << WindowKind::Website << "Label1" << 2;
        QTest::newRow("website prompt") << WindowKind::Website << "Label2" << 1;
        QTest::newRow("website address") << WindowKind::Website << "lblWebPage" << 1;
    }

    // Each text is all there, in the lines it is meant for, within its box.
    void textsWrapOntoTheirLines()
    {
        QFETCH(WindowKind, kind);
        QFETCH(QString, name);
        QFETCH(int, lines);
        QWidget *window = program->showWindow(kind);
        QVERIFY(window);
        QWidget *box = window->findChild<QWidget *>(name);
        QVERIFY(box);

        if (auto *text = qobject_cast<QTextEdit *>(box)) {
            const QTextBlock block = text->document()->firstBlock();
            QCOMPARE(text->document()->blockCount(), 1);
            QCOMPARE(block.layout()->lineCount(), lines);
            QVERIFY(text->document()->size().height() <= text->viewport()->height());
            return;
        }
        auto *label = qobject_cast<QLabel *>(box);
        QVERIFY(label);
        const QFontMetrics metrics(label->font());
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect needed = metrics.boundingRect(label->contentsRect(), flags, label->text());
        QCOMPARE(needed.height() / metrics.lineSpacing(), lines);
        QVERIFY2(label->contentsRect().contains(needed),
                 qPrintable(QStringLiteral("needs %1x%2").arg(needed.width()).arg(needed.height())));
    }
};

TARNWICK_GUI_TEST_MAIN(TestDetailWindows)
#include "tst_detailwindows.moc"
