// SPDX-License-Identifier: MIT
// One whole session as a user has it, with the program's own error report
// and its own launcher: every window opened and closed, a calculation, and
// each error the program can report, answered in its message box. In the
// sanitizer build LeakSanitizer then looks for memory the session lost,
// once the program is gone and again when the process ends.

#include "../gui/guifixture.h"

#include "desktoplauncher.h"
#include "form2.h"
#include "frmabout1.h"
#include "web.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#ifdef TARNWICK_SANITIZED
#include <sanitizer/lsan_interface.h>
#endif

namespace {

// Answers each message box with OK, as the user does, and keeps its text.
class MessageBoxAnswerer
{
public:
    MessageBoxAnswerer()
    {
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                m_texts << box->text();
                box->button(QMessageBox::Ok)->click();
            }
        });
        m_timer.start(10);
    }

    QStringList texts() const { return m_texts; }

private:
    QTimer m_timer;
    QStringList m_texts;
};

// The program as main() puts it together, with the real error report and
// launcher, on a PATH where no URL opener is found.
struct RealProgram {
    MessageBoxErrorReporter errors;
    DesktopLauncher launcher;
    FormsRuntime runtime{errors, launcher, "."};
    calc::CalculationState module1;
    std::unique_ptr<Form1> form1 = std::make_unique<Form1>(module1, runtime);

    template<typename Control>
    Control *control(const char *name) const
    {
        return form1->findChild<Control *>(QString::fromLatin1(name));
    }
};

} // namespace

class TestSession : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir emptyPath;
    QByteArray originalPath;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(emptyPath.isValid());
        originalPath = qgetenv("PATH");
        qputenv("PATH", emptyPath.path().toLocal8Bit());
    }

    void cleanupTestCase() { qputenv("PATH", originalPath); }

    void wholeSessionLosesNoMemory()
    {
        MessageBoxAnswerer answerer;
        auto program = std::make_unique<RealProgram>();
        Form1 &form1 = *program->form1;
        form1.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form1));
        const auto press = [&](const char *button) {
            QTest::mouseClick(program->control<QPushButton>(button), Qt::LeftButton);
        };
        const auto frequency = [&](const char *text) { program->control<QLineEdit>("Text12")->setText(QString::fromLatin1(text)); };

        // Every window, each closed its own way.
        press("Command1");
        press("Command2");
        press("mnuWeb");
        QVERIFY(form1.endDetail().window() && form1.centerDetail().window() && form1.website().window());
        QVERIFY(QTest::qWaitForWindowExposed(form1.website().window()));
        QTest::mouseClick(form1.endDetail().window()->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
        QTest::mouseClick(form1.centerDetail().window()->findChild<QPushButton *>(QStringLiteral("Command1")),
                          Qt::LeftButton);

        // A calculation in both units, and the frequency clicked back.
        QListWidget *cables = program->control<QListWidget>("List1");
        QTest::mouseClick(cables->viewport(), Qt::LeftButton, {}, cables->visualItemRect(cables->item(1)).center());
        frequency("14.2");
        press("Command3");
        QCOMPARE(program->control<QLineEdit>("Text5")->text(), QStringLiteral("7.774658"));
        press("Command4");
        QCOMPARE(program->control<QLineEdit>("Text5")->text(), QStringLiteral("54.92964"));
        QTest::mouseClick(program->control<QLineEdit>("Text12"), Qt::LeftButton);

        // Each error, reported in its message box and answered.
        frequency("not a number");
        press("Command3");
        frequency("1E39");
        press("Command4");
        frequency("000.000");
        press("Command3");
        QTest::mouseClick(form1.website().window()->findChild<QLabel *>(QStringLiteral("lblWebPage")), Qt::LeftButton);
        QCOMPARE(answerer.texts(), QStringList({QStringLiteral("Run-time error '13':\n\nType mismatch"),
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
