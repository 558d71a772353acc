// SPDX-License-Identifier: MIT
#pragma once

// What every window test shares: the real main window on the offscreen
// platform, with error reports and program launches recorded instead of
// shown or started, and a watchdog that closes any modal window a test did
// not expect, so a test fails instead of waiting for a person.

#include "calculationstate.h"
#include "errorreporter.h"
#include "form1.h"
#include "form2.h"
#include "formsruntime.h"
#include "frmabout1.h"
#include "web.h"
#include "programlauncher.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

class RecordingErrorReporter final : public ErrorReporter
{
public:
    void report(calc::RuntimeError error) override { reports.push_back(error); }
    void report(LaunchError error) override { launchErrors.push_back(error); }

    std::vector<calc::RuntimeError> reports;
    std::vector<LaunchError> launchErrors;
};

class RecordingLauncher final : public ProgramLauncher
{
public:
    struct Launch {
        QString commandLine;
    };

    std::optional<LaunchError> start(const QString &commandLine) override
    {
        launches.push_back({commandLine});
        return failWith;
    }

    std::vector<Launch> launches;
    std::optional<LaunchError> failWith;
};

class ModalWatchdog
{
public:
    ModalWatchdog()
    {
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                m_unexpected << modal->windowTitle();
                modal->close();
            }
        });
        m_timer.start(20);
    }

    // Titles of the modal windows that opened and were closed by force.
    QStringList unexpected() const { return m_unexpected; }

private:
    QTimer m_timer;
    QStringList m_unexpected;
};

// The program's four windows.
enum class WindowKind { Main, CenterDetail, EndDetail, Website };
Q_DECLARE_METATYPE(WindowKind)

// One run of the program: a fresh calculation state and main window.
struct TestProgram {
    explicit TestProgram(std::string decimalSeparator = ".")
        : runtime{errors, launcher, std::move(decimalSeparator)}
        , form1(std::make_unique<Form1>(module1, runtime))
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
            return form1.get();
        case WindowKind::CenterDetail:
            return form1->centerDetail().window();
        case WindowKind::EndDetail:
            return form1->endDetail().window();
        case WindowKind::Website:
            return form1->website().window();
        }
        return nullptr;
    }

    // Shows the window as the main window's button does, and waits until it
    // is on the screen and active.
    QWidget *showWindow(WindowKind kind) const
    {
        switch (kind) {
        case WindowKind::Main:
            form1->show();
            break;
        case WindowKind::CenterDetail:
            form1->centerDetail().show();
            break;
        case WindowKind::EndDetail:
            form1->endDetail().show();
            break;
        case WindowKind::Website:
            form1->website().show();
            break;
        }
        QWidget *shown = window(kind);
        if (!QTest::qWaitForWindowActive(shown))
            qWarning("window %s did not become active", qPrintable(shown->objectName()));
        return shown;
    }

    // The result and unit boxes, in the order a unit button writes them.
    QStringList resultTexts() const
    {
        QStringList texts;
        for (const char *name : {"Text2", "Text5", "Text6", "Text9", "Text3", "Text7", "Text4", "Text8"})
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
        QVERIFY2(watchdog.unexpected().isEmpty(), qPrintable(watchdog.unexpected().join(u", ")));
    }

    ModalWatchdog watchdog;
    RecordingErrorReporter errors;
    RecordingLauncher launcher;
    FormsRuntime runtime;
    calc::CalculationState module1;
    std::unique_ptr<Form1> form1;
};

// The application every window test runs in: the program's own look, name
// and artwork, so that what the tests measure is what the user sees.
#define TARNWICK_GUI_TEST_MAIN(TestClass)                                           \
    int main(int argc, char *argv[])                                                 \
    {                                                                                \
        QApplication application(argc, argv);                                        \
        QApplication::setApplicationName(QStringLiteral("tarnwick"));                \
        applyFormsLook(application);                                                 \
        TestClass test;                                                              \
        return QTest::qExec(&test, argc, argv);                                      \
    }
