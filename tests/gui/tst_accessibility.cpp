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

QString focusName()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
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
    void tabTo(const char *name)
    {
        QWidget *target = program->control<QWidget>(name);
        for (int presses = 0; presses < 40 && QApplication::focusWidget() != target; ++presses)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), target);
    }

private Q_SLOTS:
    void calculatesWithTheKeyboardAlone()
    {
        tabTo("Text12");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("14.2"));
        // The list's focus mark starts on the first cable; one step down picks the second.
        tabTo("List1");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(program->control<QListWidget>("List1")->currentItem()->text(), QStringLiteral("RG-8x"));
        QCOMPARE(program->module1.VelocityFactor, 0.75f);
        tabTo("Command3");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);

        QCOMPARE(accessibleText(program->control<QWidget>("Text2"), QAccessible::Value), QStringLiteral("34"));
        QCOMPARE(accessibleText(program->control<QWidget>("Text9"), QAccessible::Value), QStringLiteral("11.83099"));
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

    // Round and round in both directions, and nothing typed on the way.
    void tabCyclesThroughEveryControlInOrder()
    {
        QFETCH(WindowKind, kind);
        QFETCH(QStringList, order);
        QWidget *window = program->showWindow(kind);
        const QStringList textsBefore = shownTexts(window);
        window->findChild<QWidget *>(order.first())->setFocus(Qt::OtherFocusReason);

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
        program->typeFrequency(QStringLiteral("14.2"));
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

    void linkOpensFromTheKeyboard_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::newRow("Return") << int(Qt::Key_Return) << Qt::KeyboardModifiers();
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier);
        QTest::newRow("Space") << int(Qt::Key_Space) << Qt::KeyboardModifiers();
    }

    void linkOpensFromTheKeyboard()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QWidget *window = program->showWindow(WindowKind::Website);
        QTest::keyClick(window, Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("lblWebPage"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
        QCOMPARE(program->launcher.launches.size(), std::size_t(1));
    }

    // The mouse finds the window as it always was: no focus mark on the link
    // until the keyboard moves to it, and the labels never take the focus.
    void linkShowsItsFocusMarkOnlyFromTheKeyboard()
    {
        QWidget *window = program->showWindow(WindowKind::Website);
        auto *link = window->findChild<LinkLabel *>(QStringLiteral("lblWebPage"));
        const QImage unmarked = link->grab().toImage();
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(link->grab().toImage(), unmarked);
        QTest::keyClick(window, Qt::Key_Tab);
        QVERIFY(link->hasFocus());
        QVERIFY(link->grab().toImage() != unmarked);
        for (const char *label : {"Label1", "Label2"})
            QCOMPARE(window->findChild<QWidget *>(QLatin1String(label))->focusPolicy(), Qt::NoFocus);
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

    void linksPressActionLaunchesAsAClickDoes()
    {
        QWidget *link = program->showWindow(WindowKind::Website)->findChild<QWidget *>(QStringLiteral("lblWebPage"));
        QAccessibleActionInterface *actions = QAccessible::queryAccessibleInterface(link)->actionInterface();
        QVERIFY(actions);
        QCOMPARE(actions->actionNames().value(0), QAccessibleActionInterface::pressAction());
        actions->doAction(QAccessibleActionInterface::pressAction());
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(program->launcher.launches.size(), std::size_t(2));
        QCOMPARE(program->launcher.launches.front(), program->launcher.launches.back());
    }

    void resultRowsReadAsOneStatement_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("overall");
        QTest::addColumn<QString>("coax");
        QTest::newRow("feet") << "Command3"
                              << "Overall length 34 FEET 7.774658 INCHES"
                              << "Coax section 25 FEET 11.83099 INCHES";
        QTest::newRow("metric") << "Command4"
                                << "Overall length 10 METERS 54.92964 CM"
                                << "Coax section 7 METERS 91.1972 CM";
    }

    void resultRowsReadAsOneStatement()
    {
        QFETCH(QString, button);
        QFETCH(QString, overall);
        QFETCH(QString, coax);
        program->typeFrequency(QStringLiteral("14.2"));
        program->pickCable(1);
        program->press(qPrintable(button));

        for (const char *box : {"Text2", "Text3", "Text5", "Text4"})
            QCOMPARE(program->box(box)->accessibleDescription(), overall);
        for (const char *box : {"Text6", "Text7", "Text9", "Text8"})
            QCOMPARE(program->box(box)->accessibleDescription(), coax);
    }
};

TARNWICK_GUI_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
