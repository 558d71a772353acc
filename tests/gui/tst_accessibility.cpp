// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
// A screen-reader user hears what every window, drawing, control and result
// is, and a keyboard-only user reaches every control of every window and
// does a whole calculation.

#include "guifixture.h"

#include "linklabel.h"

#include <QAccessible>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextEdit>

namespace {
QString accessibleText(QWidget *widget, QAccessible::Text kind)
{
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(widget);
    return interface ? interface->text(kind) : QString();
}

// The controls a user meets: everything with a name of its own, less the
// lines, which are drawing only.
QList<QWidget *> namedControls(QWidget *window)
{
    QList<QWidget *> controls;
    for (QWidget *child : window->findChildren<QWidget *>()) {
        const QString name = child->objectName();
        if (!name.isEmpty() && !name.startsWith(u"Line") && !name.startsWith(u"qt_") && child->parent() != nullptr
            && child->metaObject()->className() != QByteArray("QWidget"))
            controls << child;
    }
    return controls;
}

QAccessibleTextInterface *textInterface(QWidget *widget)
{
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(widget);
    return interface ? interface->textInterface() : nullptr;
}

// Every text a window shows in its boxes and labels.
QStringList shownTexts(QWidget *window)
{
    QStringList texts;
    for (const QLineEdit *box : window->findChildren<QLineEdit *>())
        texts << box->text();
    for (const QTextEdit *box : window->findChildren<QTextEdit *>())
        texts << box->toPlainText();
    return texts;
}

}

class TestAccessibility : public GuiTestCase
{
    Q_OBJECT

private:
    // Tabs at least once, so that the keyboard is what moved the focus.
    static void tabTo(QWidget *target)
    {
        int presses = 0;
        do
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : target->window(), Qt::Key_Tab);
        while (QApplication::focusWidget() != target && ++presses < 40);
        QCOMPARE(QApplication::focusWidget(), target);
    }
    void tabTo(const char *name) { tabTo(program->control<QWidget>(name)); }

private Q_SLOTS:
    void calculatesWithTheKeyboardAlone()
    {
        tabTo("Text12");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), KnownResults[0].frequency);
        // The list's focus mark starts on the first cable; one step down picks the second.
        tabTo("List1");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(program->control<QListWidget>("List1")->currentItem()->text(), QStringLiteral("RG-8x"));
        QCOMPARE(program->module1.VelocityFactor, 0.75f);
        tabTo("Command3");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);

        const QStringList &results = KnownResults[0].results;
        QCOMPARE(accessibleText(program->control<QWidget>("Text2"), QAccessible::Value), results[0]);
        QCOMPARE(accessibleText(program->control<QWidget>("Text9"), QAccessible::Value), results[3]);
        QVERIFY(program->errors.reports.empty());
    }

    void everyControlOfEveryWindowHasAName()
    {
        program->form1->endDetail().show();
        program->form1->centerDetail().show();
        program->form1->website().show();
        const QList<QWidget *> windows{program->form1, program->form1->endDetail().window(),
                                       program->form1->centerDetail().window(), program->form1->website().window()};
        for (QWidget *window : windows) {
            QVERIFY(window);
            QVERIFY2(!accessibleText(window, QAccessible::Name).isEmpty(), qPrintable(window->objectName()));
            const QList<QWidget *> controls = namedControls(window);
            QVERIFY(!controls.isEmpty());
            for (QWidget *control : controls) {
                const QString what = window->objectName() + u'.' + control->objectName();
                QVERIFY2(!accessibleText(control, QAccessible::Name).isEmpty(), qPrintable(what));
            }
        }
    }

    void tabCyclesThroughEveryControlInOrder_data()
    {
        QTest::addColumn<WindowKind>("kind");
        QTest::addColumn<QStringList>("order");

        QTest::newRow("main window") << WindowKind::Main
                                     << QStringList{"Text1",    "Picture1", "Text2",  "Text3",  "Text4",    "Text5",
                                                    "Text6",    "Text7",    "Text8",  "Text9",  "Command1", "Text10",
                                                    "Text11",   "Command2", "Text12", "Text13", "Text14",   "List1",
                                                    "Text15",   "Command3", "Text16", "Text17", "Text18",   "mnuWeb",
                                                    "Command4", "Text19"};
        QTest::newRow("center detail") << WindowKind::CenterDetail << QStringList{"Picture1", "Command1"};
        QTest::newRow("end detail") << WindowKind::EndDetail << QStringList{"cmdOK", "picIcon", "Text1"};
        QTest::newRow("website") << WindowKind::Website << QStringList{"lblWebPage"};
    }

    // From the control that has the focus as the window opens, round and
    // round in both directions, and nothing typed on the way.
    void tabCyclesThroughEveryControlInOrder()
    {
        QFETCH(WindowKind, kind);
        QFETCH(QStringList, order);
        QWidget *window = program->showWindow(kind);
        const QStringList textsBefore = shownTexts(window);

        for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
            QStringList expected = order;
            if (key == Qt::Key_Backtab)
                std::reverse(expected.begin() + 1, expected.end());
            QCOMPARE(tabWalk(key, order.size()), expected << order.first());
        }
        QCOMPARE(shownTexts(window), textsBefore);
    }

    void returnAndEnterPressTheFocusedButton_data()
    {
        QTest::addColumn<WindowKind>("kind");
        QTest::addColumn<QString>("button");

        const QList<QPair<WindowKind, QStringList>> buttons{
            {WindowKind::Main, {"Command1", "Command2", "mnuWeb", "Command3", "Command4"}},
            {WindowKind::CenterDetail, {"Command1"}},
            {WindowKind::EndDetail, {"cmdOK"}},
        };
        for (const auto &[kind, names] : buttons) {
            for (const QString &name : names)
                QTest::addRow("%s in window %d", qPrintable(name), int(kind)) << kind << name;
        }
    }

    void returnAndEnterPressTheFocusedButton()
    {
        QFETCH(WindowKind, kind);
        QFETCH(QString, button);
        for (const auto &[key, modifiers] :
             {std::pair{Qt::Key_Return, Qt::NoModifier}, std::pair{Qt::Key_Enter, Qt::KeypadModifier}}) {
            auto *pressed = program->showWindow(kind)->findChild<QPushButton *>(button);
            pressed->setFocus(Qt::TabFocusReason);
            QSignalSpy clicks(pressed, &QPushButton::clicked);
            QTest::keyClick(pressed, key, modifiers);
            QCOMPARE(clicks.size(), 1);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }

    // Enter in a box of the main window is no calculation and opens nothing.
    void returnInTheMainWindowsBoxesPressesNothing()
    {
        program->typeFrequency(KnownResults[0].frequency);
        const QStringList resultsBefore = program->resultTexts();
        QList<std::shared_ptr<QSignalSpy>> clicks;
        for (QPushButton *button : program->form1->findChildren<QPushButton *>())
            clicks << std::make_shared<QSignalSpy>(button, &QPushButton::clicked);

        for (const char *name : {"Text12", "Text2", "Text16", "List1"}) {
            QWidget *control = program->control<QWidget>(name);
            control->setFocus(Qt::TabFocusReason);
            QTest::keyClick(control, Qt::Key_Return);
            QTest::keyClick(control, Qt::Key_Enter, Qt::KeypadModifier);
        }
        for (const auto &spy : clicks)
            QCOMPARE(spy->size(), 0);
        QCOMPARE(program->resultTexts(), resultsBefore);
        QVERIFY(program->errors.reports.empty());
    }

    void focusMarkShowsOnlyFromTheKeyboard_data()
    {
        QTest::addColumn<WindowKind>("kind");
        QTest::addColumn<QString>("control");
        QTest::newRow("link") << WindowKind::Website << "lblWebPage";
        QTest::newRow("antenna drawing") << WindowKind::Main << "Picture1";
        QTest::newRow("center drawing") << WindowKind::CenterDetail << "Picture1";
        QTest::newRow("end drawing") << WindowKind::EndDetail << "picIcon";
    }

    // The mouse finds every window as it always was: no focus mark until
    // the keyboard moves the focus.
    void focusMarkShowsOnlyFromTheKeyboard()
    {
        QFETCH(WindowKind, kind);
        QFETCH(QString, control);
        QWidget *marked = program->showWindow(kind)->findChild<QWidget *>(control);
        const QImage unmarked = marked->grab().toImage();
        QTest::mouseClick(marked, Qt::LeftButton);
        QCOMPARE(marked->grab().toImage(), unmarked);
        tabTo(marked);
        QVERIFY(marked->grab().toImage() != unmarked);
    }

    // Opened from the keyboard, the center detail shows at once that its
    // drawing holds the focus; opened with the mouse, it does not.
    void windowOpenedFromTheKeyboardShowsItsFocus()
    {
        const auto drawingOnOpening = [this] {
            QWidget *window = program->form1->centerDetail().window();
            return window->findChild<QWidget *>(QStringLiteral("Picture1"))->grab().toImage();
        };
        const QImage openedWithTheMouse = program->showWindow(WindowKind::CenterDetail)
                                              ->findChild<QWidget *>(QStringLiteral("Picture1"))
                                              ->grab()
                                              .toImage();
        program->form1->centerDetail().window()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        program->form1->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(program->form1));
        tabTo("Command2");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(QTest::qWaitForWindowActive(program->form1->centerDetail().window()));
        QVERIFY(drawingOnOpening() != openedWithTheMouse);
    }

    void windowsDrawingsAndLinkSayWhatTheyAre_data()
    {
        QTest::addColumn<WindowKind>("kind");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        // What the description says, in this order.
        QTest::addColumn<QStringList>("description");

        QTest::newRow("antenna drawing") << WindowKind::Main << "Picture1" << int(QAccessible::Graphic)
                                         << "Drawing of the coaxial dipole"
                                         << QStringList{"coax section", "boxes above the drawing measure it"};
        QTest::newRow("center drawing") << WindowKind::CenterDetail << "Picture1" << int(QAccessible::Graphic)
                                        << "Center detail drawing"
                                        << QStringList{"STRIP 1 OR 2 INCHES OF OUTER",
                                                       "INSULATOR OFF, CUT THE BRAID",
                                                       "AND DRESS IT INTO LEADS",
                                                       "DO NOT CUT THE CENTER CONDUCTOR",
                                                       "SOLDER THE",
                                                       "LEADS TO THE",
                                                       "FEEDLINE",
                                                       "50 OHM FEEDLINE"};
        QTest::newRow("end drawing") << WindowKind::EndDetail << "picIcon" << int(QAccessible::Graphic)
                                     << "End detail drawing"
                                     << QStringList{"MEASURE VELOCITY LENGTH TO THE",
                                                    "SOLDER POINT",
                                                    "YOU MAY STRIP THE COAX CENTER",
                                                    "CONDUCTOR BACK TO THIS POINT",
                                                    "OR SOLDER A LENGTH OF WIRE IN",
                                                    "MEASURE TOTAL LENGTH",
                                                    "TO THE END OF THE LOOP",
                                                    "USE NONCONDUCTIVE ROPE TO TIE TO",
                                                    "SUPPORT ANCHOR POINT"};
        QTest::newRow("address") << WindowKind::Website << "lblWebPage" << int(QAccessible::Link)
                                 << "http://www.example.com/coax" << QStringList();
    }

    void windowsDrawingsAndLinkSayWhatTheyAre()
    {
        QFETCH(WindowKind, kind);
        QFETCH(QString, control);
        QFETCH(int, role);
        QFETCH(QString, name);
        QFETCH(QStringList, description);
        QWidget *window = program->showWindow(kind);
        QWidget *widget = window->findChild<QWidget *>(control);
        QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(widget);

        QCOMPARE(interface->role(), QAccessible::Role(role));
        QCOMPARE(interface->text(QAccessible::Name), name);
        const QString said = interface->text(QAccessible::Description);
        qsizetype from = 0;
        for (const QString &part : description) {
            from = said.indexOf(part, from);
            QVERIFY2(from >= 0, qPrintable(part + QStringLiteral(" not in order in: ") + said));
            from += part.size();
        }
    }

    void resultRowsReadAsOneStatement_data() { addKnownResultRows(); }

    void resultRowsReadAsOneStatement()
    {
        QFETCH(KnownResult, known);
        calculate(*program, known);

        for (const char *box : {"Text2", "Text3", "Text5", "Text4"})
            QCOMPARE(program->box(box)->accessibleDescription(), known.overallStatement);
        for (const char *box : {"Text6", "Text7", "Text9", "Text8"})
            QCOMPARE(program->box(box)->accessibleDescription(), known.coaxStatement);

        // Typing into a box of the row tells the row's new statement too.
        QLineEdit *remainder = program->box("Text5");
        remainder->setFocus(Qt::TabFocusReason);
        QTest::keyClick(remainder, Qt::Key_End);
        QTest::keyClicks(remainder, QStringLiteral("9"));
        QVERIFY(program->box("Text2")->accessibleDescription().contains(remainder->text() + u' '));
    }

    void textInterfacesReadEveryBoxWholeAndAnswerEveryQuery_data()
    {
        QTest::addColumn<int>("boundary");
        // What a screen reader gets when the cursor rests after the last
        // character: no character is there, but the last word, sentence or
        // line is the one it is on.
        QTest::addColumn<bool>("lastPieceAtTheEnd");
        QTest::newRow("character") << int(QAccessible::CharBoundary) << false;
        QTest::newRow("word") << int(QAccessible::WordBoundary) << true;
        QTest::newRow("sentence") << int(QAccessible::SentenceBoundary) << true;
        QTest::newRow("paragraph") << int(QAccessible::ParagraphBoundary) << true;
        QTest::newRow("line") << int(QAccessible::LineBoundary) << true;
        QTest::newRow("none") << int(QAccessible::NoBoundary) << true;
    }

    // Every text a screen reader can ask for, in every window: the pieces
    // at one offset after another put the text back together, the pieces
    // before and after an offset lie before and after it, the style runs
    // cover the text, and no query hangs, past the end of the text either.
    void textInterfacesReadEveryBoxWholeAndAnswerEveryQuery()
    {
        QFETCH(int, boundary);
        QFETCH(bool, lastPieceAtTheEnd);
        const auto type = QAccessible::TextBoundaryType(boundary);
        for (const WindowKind kind : {WindowKind::Main, WindowKind::CenterDetail, WindowKind::EndDetail})
            program->showWindow(kind);
        program->typeFrequency(KnownResults[0].frequency);
        program->press("Command3");
        HangWatchdog watchdog(std::chrono::seconds(20));

        for (QWidget *window : QApplication::topLevelWidgets()) {
            for (QWidget *widget : window->findChildren<QWidget *>()) {
                QAccessibleTextInterface *text = textInterface(widget);
                if (!text)
                    continue;
                const int length = text->characterCount();
                const QString whole = text->text(0, length);
                const QString where = window->objectName() + u'.' + widget->objectName();
                int start = 0;
                int end = 0;

                QString rebuilt;
                for (int offset = 0; offset < length; offset = end) {
                    watchdog.doing(QStringLiteral("%1 text at %2").arg(where).arg(offset));
                    rebuilt += text->textAtOffset(offset, type, &start, &end);
                    QVERIFY2(start <= offset && offset < end, qPrintable(where));
                }
                QCOMPARE(rebuilt, whole);
                if (length > 0) {
                    int lastStart = -1;
                    int lastEnd = -1;
                    const QString last =
                        lastPieceAtTheEnd ? text->textAtOffset(length - 1, type, &lastStart, &lastEnd) : QString();
                    QCOMPARE(text->textAtOffset(length, type, &start, &end), last);
                    QVERIFY2(start == lastStart && end == lastEnd, qPrintable(where));
                }

                for (const int offset : {-1, 0, 1, length / 2, length - 1, length, length + 1}) {
                    watchdog.doing(QStringLiteral("%1 text before and after %2").arg(where).arg(offset));
                    for (const bool after : {false, true}) {
                        const QString piece = after ? text->textAfterOffset(offset, type, &start, &end)
                                                    : text->textBeforeOffset(offset, type, &start, &end);
                        if (start == -1) {
                            QVERIFY2(piece.isEmpty() && end == -1, qPrintable(where));
                            continue;
                        }
                        QVERIFY2(0 <= start && start <= end && end <= length, qPrintable(where));
                        QCOMPARE(piece, whole.mid(start, end - start));
                        QVERIFY2(after ? offset < start : end <= offset, qPrintable(where));
                    }
                    watchdog.doing(QStringLiteral("%1 text at %2").arg(where).arg(offset));
                    text->textAtOffset(offset, type, &start, &end);
                }

                for (int offset = 0; offset < length; offset = end) {
                    watchdog.doing(QStringLiteral("%1 style run at %2").arg(where).arg(offset));
                    text->attributes(offset, &start, &end);
                    QVERIFY2(start <= offset && offset < end, qPrintable(where));
                }
            }
        }
    }

    void editingAndSelectingKeepToTheText_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        // Of "14.2": what the offsets select, and what deleting them and
        // then inserting at the start leaves.
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("edited");
        QTest::newRow("INT_MIN to INT_MAX") << INT_MIN << INT_MAX << "14.2"
                                            << "X";
        QTest::newRow("INT_MAX to INT_MIN") << INT_MAX << INT_MIN << ""
                                            << "14.2X";
        QTest::newRow("1 to -1, the end") << 1 << -1 << "4.2"
                                          << "1X";
    }

    // Whatever offsets an assistive client sends, single-line and multi-line
    // boxes alike act on the part of the text they name, and no call grows
    // the text by more than it adds.
    void editingAndSelectingKeepToTheText()
    {
        QFETCH(int, start);
        QFETCH(int, end);
        QFETCH(QString, selected);
        QFETCH(QString, edited);
        for (const char *name : {"Text12", "Text16"}) {
            QAccessibleInterface *box = QAccessible::queryAccessibleInterface(program->control<QWidget>(name));
            QAccessibleTextInterface *text = box->textInterface();
            box->setText(QAccessible::Value, QStringLiteral("14.2"));
            text->setSelection(0, start, end);
            int selectionStart = 0;
            int selectionEnd = 0;
            text->selection(0, &selectionStart, &selectionEnd);
            QCOMPARE(text->text(selectionStart, selectionEnd), selected);
            box->editableTextInterface()->deleteText(start, end);
            box->editableTextInterface()->insertText(start, QStringLiteral("X"));
            QCOMPARE(box->text(QAccessible::Value), edited);
        }
    }
};

TARNWICK_GUI_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
