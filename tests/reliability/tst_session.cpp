// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
// One whole session as a user has it, with the program's own error report
// and its own launcher: every window opened and closed, a calculation, and
// each error the program can report, answered in its message box. In the
// sanitizer build LeakSanitizer then looks for memory the session lost,
// once the program is gone and again when the process ends.

#include "guifixture.h"

#include "desktoplauncher.h"
#include "scopedpath.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#ifdef TARNWICK_SANITIZED
#include <sanitizer/lsan_interface.h>
#endif

class TestSession : public GuiTestCase
{
    Q_OBJECT

private:
    QTemporaryDir emptyPath;
    std::optional<ScopedPath> path;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(emptyPath.isValid());
        path.emplace(emptyPath.path().toLocal8Bit());
    }

    void cleanupTestCase() { path.reset(); }

    void wholeSessionLosesNoMemory()
    {
        // The program as main() puts it together, with the real error report
        // and launcher, on a PATH where no URL opener is found.
        MessageBoxErrorReporter errors;
        DesktopLauncher launcher;
        program = std::make_unique<TestProgram>(".", &errors, &launcher);
        Form1 &form1 = *program->form1;
        program->showWindow(WindowKind::Main);
        const auto press = [&](const char *button) { program->press(button); };
        const auto frequency = [&](const QString &text) { program->box("Text12")->setText(text); };

        // Every window, each closed its own way.
        press("Command1");
        press("Command2");
        press("mnuWeb");
        QVERIFY(form1.endDetail().window() && form1.centerDetail().window() && form1.website().window());
        QVERIFY(QTest::qWaitForWindowExposed(form1.website().window()));
        QTest::mouseClick(form1.endDetail().window()->findChild<QPushButton *>(QStringLiteral("cmdOK")),
                          Qt::LeftButton);
        QTest::mouseClick(form1.centerDetail().window()->findChild<QPushButton *>(QStringLiteral("Command1")),
                          Qt::LeftButton);

        // A calculation in both units, and the frequency clicked back.
        program->pickCable(KnownResults[0].cable);
        frequency(KnownResults[0].frequency);
        for (const KnownResult &known : KnownResults) {
            press(known.button());
            QCOMPARE(program->resultTexts(), known.results);
        }
        QTest::mouseClick(program->control<QLineEdit>("Text12"), Qt::LeftButton);

        // Each error, reported in its message box and answered.
        frequency("not a number");
        press("Command3");
        frequency("1E39");
        press("Command4");
        frequency("000.000");
        press("Command3");
        QTest::mouseClick(form1.website().window()->findChild<QLabel *>(QStringLiteral("lblWebPage")), Qt::LeftButton);
        QCOMPARE(program->watchdog.closed(), QStringList({QStringLiteral("Run-time error '13':\n\nType mismatch"),
                                                          QStringLiteral("Run-time error '6':\n\nOverflow"),
                                                          QStringLiteral("Run-time error '11':\n\nDivision by zero"),
                                                          QStringLiteral("Run-time error '53':\n\nFile not found")}));

        QVERIFY(form1.website().window()->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!form1.endDetail().window() && !form1.centerDetail().window() && !form1.website().window());
        program.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

#ifdef TARNWICK_SANITIZED
        // Nonzero when a block the session allocated is unreachable; the
        // report on stderr names where it was allocated.
        QCOMPARE(__lsan_do_recoverable_leak_check(), 0);
#endif
    }
};

TARNWICK_GUI_TEST_MAIN(TestSession)
#include "tst_session.moc"
