// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

// What every window test shares: the real main window on the offscreen
// platform, with error reports and program launches recorded instead of
// shown or started, and a watchdog that closes any modal window a test did
// not expect, so a test fails instead of waiting for a person.

#include "knownresults.h"
#include "calculationstate.h"
#include "errorreporter.h"
#include "form1.h"
#include "form2.h"
#include "frmabout1.h"
#include "program.h"
#include "web.h"
#include "programlauncher.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

// The colour a widget shows at a point, as rendered.
inline QColor pixelAt(QWidget *widget, QPoint point)
{
    return widget->grab().toImage().pixelColor(point);
}

class RecordingErrorReporter final : public ErrorReporter
{
public:
    using ErrorReporter::report;
    void report(calc::RuntimeError error, const QString &concerning) override
    {
        reports.push_back(error);
        concerns.push_back(concerning);
    }

    std::vector<calc::RuntimeError> reports;
    // What each report names besides its error, empty where nothing.
    std::vector<QString> concerns;
};

class RecordingLauncher final : public ProgramLauncher
{
public:
    std::optional<calc::RuntimeError> start(const QString &commandLine, Ended ended) override
    {
        launches.push_back(commandLine);
        endings.push_back(std::move(ended));
        return failWith;
    }

    // The command lines, in the order they were started.
    std::vector<QString> launches;
    // Who each launch tells of its program's end: a test calls it to end one.
    std::vector<Ended> endings;
    std::optional<calc::RuntimeError> failWith;
};

// Closes any modal window as soon as it opens, so that a test goes on
// instead of waiting for a person, and keeps what each said: a message
// box's text, another window's title.
class ModalWatchdog
{
public:
    ModalWatchdog()
    {
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                const auto *box = qobject_cast<QMessageBox *>(modal);
                m_closed << (box ? box->text() : modal->windowTitle());
                modal->close();
            }
        });
        m_timer.start(10);
    }

    QStringList closed() const { return m_closed; }

private:
    QTimer m_timer;
    QStringList m_closed;
};

// Ends the test program with a message when what it guards has not finished
// in time: a call that never returns fails the run instead of stalling it.
// Say what is being done as it goes, so that the message names it.
class HangWatchdog
{
public:
    explicit HangWatchdog(std::chrono::seconds limit)
        : m_thread([this, limit] {
            std::unique_lock lock(m_mutex);
            if (!m_finished.wait_for(lock, limit, [this] { return m_done; })) {
                std::fprintf(stderr, "FAIL! hung for %lld s in: %s\n", static_cast<long long>(limit.count()),
                             m_doing.c_str());
                std::abort();
            }
        })
    {
    }
    ~HangWatchdog()
    {
        {
            const std::scoped_lock lock(m_mutex);
            m_done = true;
        }
        m_finished.notify_one();
        m_thread.join();
    }

    void doing(const QString &what)
    {
        const std::scoped_lock lock(m_mutex);
        m_doing = what.toStdString();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_finished;
    bool m_done = false;
    std::string m_doing;
    std::thread m_thread;
};

// The program's four windows.
enum class WindowKind { Main, CenterDetail, EndDetail, Website };
Q_DECLARE_METATYPE(WindowKind)

// One run of the program, assembled as the program assembles itself, with
// recorders for error reports and launches unless a test hands in the real
// ones, and a watchdog for modal windows.
struct TestProgram {
    explicit TestProgram(std::string decimalSeparator = ".", ErrorReporter *errorReporter = nullptr,
                         ProgramLauncher *programLauncher = nullptr)
        : program(errorReporter ? *errorReporter : errors, programLauncher ? *programLauncher : launcher,
                  std::move(decimalSeparator))
    {
    }

    template<typename Control>
    Control *control(const char *name) const
    {
        return form1->findChild<Control *>(QString::fromLatin1(name));
    }

    QLineEdit *box(const char *name) const { return control<QLineEdit>(name); }

    // The window of that kind as it is now: null while it is not loaded.
    QWidget *window(WindowKind kind) const
    {
        switch (kind) {
        case WindowKind::Main:
            return form1;
        case WindowKind::CenterDetail:
            return form1->centerDetail().window();
        case WindowKind::EndDetail:
            return form1->endDetail().window();
        case WindowKind::Website:
            return form1->website().window();
        }
        return nullptr;
    }

    // The main window's button that opens a window of that kind.
    static const char *openingButton(WindowKind kind)
    {
        switch (kind) {
        case WindowKind::Main:
            break;
        case WindowKind::CenterDetail:
            return "Command2";
        case WindowKind::EndDetail:
            return "Command1";
        case WindowKind::Website:
            return "mnuWeb";
        }
        return nullptr;
    }

    // Shows the main window, or clicks the main window's button for another
    // one, and waits until the window is on the screen and active.
    QWidget *showWindow(WindowKind kind) const
    {
        if (kind == WindowKind::Main)
            form1->show();
        else
            press(openingButton(kind));
        QWidget *shown = window(kind);
        if (shown && !QTest::qWaitForWindowActive(shown))
            qWarning("window %s did not become active", qPrintable(shown->objectName()));
        return shown;
    }

    // The result and unit boxes, in the order a unit button writes them.
    QStringList resultTexts() const
    {
        QStringList texts;
        for (const char *name : ResultBoxes)
            texts << box(name)->text();
        return texts;
    }

    // As the user does it: into the box, select all, type over it.
    void typeFrequency(const QString &text) const
    {
        QLineEdit *frequency = box("Text12");
        frequency->setFocus();
        QTest::keyClick(frequency, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(frequency, Qt::Key_Delete);
        else
            QTest::keyClicks(frequency, text);
    }

    void pickCable(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        auto *cables = control<QListWidget>("List1");
        cables->scrollToItem(cables->item(row));
        QTest::mouseClick(cables->viewport(), Qt::LeftButton, modifiers,
                          cables->visualItemRect(cables->item(row)).center());
    }

    void press(const char *button) const { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }

    // Fails the running test when a modal window opened that it did not expect.
    void verifyNoUnexpectedModal() const
    {
        QVERIFY2(watchdog.closed().isEmpty(), qPrintable(watchdog.closed().join(u", ")));
    }

    ModalWatchdog watchdog;
    RecordingErrorReporter errors;
    RecordingLauncher launcher;
    Program program;
    calc::CalculationState &module1 = program.module1();
    Form1 *const form1 = &program.form1();
};

// One test row a worked example, named after it, in a column "known".
inline void addKnownResultRows()
{
    QTest::addColumn<KnownResult>("known");
    for (const KnownResult &known : KnownResults)
        QTest::newRow(known.name.constData()) << known;
}

// As the user does it: the known result's frequency, its cable, its button.
inline void calculate(const TestProgram &program, const KnownResult &known)
{
    program.typeFrequency(known.frequency);
    program.pickCable(known.cable);
    program.press(known.button());
}

// What every window test class is: a fresh program for each test, its main
// window shown and active; after the test, no modal window may have opened
// unexpected, and the program and every window it unloaded are gone. A test
// class with more to set up calls these from its own init() and cleanup();
// a test that needs the program assembled otherwise replaces it.
class GuiTestCase : public QObject
{
    Q_OBJECT

protected:
    std::unique_ptr<TestProgram> program;

protected Q_SLOTS:
    void init()
    {
        program = std::make_unique<TestProgram>();
        program->showWindow(WindowKind::Main);
    }

    void cleanup()
    {
        if (program)
            program->verifyNoUnexpectedModal();
        program.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

// The focus names Tab (or Backtab) visits, starting with the focused
// control itself: one name more than keys pressed.
inline QStringList tabWalk(Qt::Key key, qsizetype presses)
{
    const auto focusName = [] {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    };
    QStringList visited{focusName()};
    for (qsizetype press = 0; press < presses; ++press) {
        QTest::keyClick(QApplication::focusWidget(), key);
        visited << focusName();
    }
    return visited;
}

inline void useOffscreenPlatform()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

// What a window test program sets up around the shared start: its
// environment before the application exists (the platform, a scale, a
// message handler), and a look at the application as the desktop started
// it, before the program's own look goes on.
struct GuiTestEnvironment {
    void (*beforeStart)() = useOffscreenPlatform;
    void (*started)() = nullptr;
};

// The application every window test and probe runs in: with the program's
// own name, look and artwork, so that what the tests measure is what the
// user sees.
template<typename Run>
int runGuiTestProgram(int &argc, char **argv, const GuiTestEnvironment &environment, Run run)
{
    if (environment.beforeStart)
        environment.beforeStart();
    QApplication application(argc, argv);
    if (environment.started)
        environment.started();
    prepareApplication(application);
    return run();
}

#define TARNWICK_GUI_TEST_MAIN_IN(TestClass, environment)                                                              \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        return runGuiTestProgram(argc, argv, environment, [&] {                                                        \
            TestClass test;                                                                                            \
            return QTest::qExec(&test, argc, argv);                                                                    \
        });                                                                                                            \
    }
// Off any screen.
#define TARNWICK_GUI_TEST_MAIN(TestClass) TARNWICK_GUI_TEST_MAIN_IN(TestClass, GuiTestEnvironment{})
