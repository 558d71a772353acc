// SPDX-License-Identifier: MIT
// A screen-reader user hears what every control is, and a keyboard-only
// user can do a whole calculation.

#include "guifixture.h"

#include "form2.h"
#include "frmabout1.h"
#include "web.h"

#include <QAccessible>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {
QString accessibleText(QWidget *widget, QAccessible::Text kind)
{
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(widget);
    return interface ? interface->text(kind) : QString();
}

// The controls a user meets: everything with a name of the design's, less
// the lines, which are drawing only.
QList<QWidget *> designedControls(QWidget *window)
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
}

class TestAccessibility : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> program;

    void tabTo(const char *name)
    {
        QWidget *target = program->control<QWidget>(name);
        for (int presses = 0; presses < 40 && QApplication::focusWidget() != target; ++presses)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), target);
    }

private Q_SLOTS:
    void init()
    {
        program = std::make_unique<TestProgram>();
        program->form1->show();
        QVERIFY(QTest::qWaitForWindowActive(program->form1.get()));
    }

    void cleanup() { program.reset(); }

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

    void namesSayWhatControlsHold_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");

        QTest::newRow("frequency box") << "Text12" << "Frequency in megahertz";
        QTest::newRow("overall whole part") << "Text2" << "Overall length, whole feet or metres";
        QTest::newRow("overall remainder") << "Text5" << "Overall length, remainder";
        QTest::newRow("coax whole part") << "Text6" << "Coax section, whole feet or metres";
        QTest::newRow("coax remainder") << "Text9" << "Coax section, remainder";
        QTest::newRow("cable list") << "List1" << "Cable type";
        QTest::newRow("end detail button") << "Command1" << "View end detail";
        QTest::newRow("centre detail button") << "Command2" << "View centre detail";
        QTest::newRow("feet button") << "Command3" << "Calculate in feet and inches";
    }

    void namesSayWhatControlsHold()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QCOMPARE(accessibleText(program->form1->findChild<QWidget *>(control), QAccessible::Name), name);
    }

    void everyControlOfEveryWindowHasAName()
    {
        program->form1->endDetail().show();
        program->form1->centerDetail().show();
        program->form1->website().show();
        const QList<QWidget *> windows{program->form1.get(), program->form1->endDetail().window(),
                                       program->form1->centerDetail().window(), program->form1->website().window()};
        for (QWidget *window : windows) {
            QVERIFY(window);
            QVERIFY2(!accessibleText(window, QAccessible::Name).isEmpty(), qPrintable(window->objectName()));
            const QList<QWidget *> controls = designedControls(window);
            QVERIFY(!controls.isEmpty());
            for (QWidget *control : controls) {
                const QString what = window->objectName() + u'.' + control->objectName();
                QVERIFY2(!accessibleText(control, QAccessible::Name).isEmpty(), qPrintable(what));
            }
        }
    }
};

TARNWICK_GUI_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
