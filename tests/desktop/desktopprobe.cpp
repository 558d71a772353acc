// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
// The program as the desktop meets it, on whatever platform Qt was given,
// with launches printed instead of started. It prints, one line each:
//   shown <objectName>        a window reached the screen
//   results <box texts>       the eight result boxes after a calculation
//   launch <command line>     the launcher was asked to start a program,
//                             printed before the launch returns
//   qt-warning <message>      any warning or critical message from Qt
// "smoke" opens and closes every window, calculates, presses the link
// through its accessibility action, and quits. "serve" opens every window,
// prints "ready", and keeps running so that a screen reader client can
// drive it from outside; the script that started it ends it.

#include "guifixture.h"

#include "form2.h"
#include "frmabout1.h"
#include "linklabel.h"
#include "web.h"

#include <QAccessible>
#include <QTextStream>

#include <cstdio>
#include <string_view>

namespace {
QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

void printQtProblems(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg)
        out() << "qt-warning " << message << Qt::endl;
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

bool shown(QWidget *window)
{
    if (!window || !QTest::qWaitForWindowExposed(window))
        return false;
    out() << "shown " << window->objectName() << Qt::endl;
    return true;
}

template<typename Window>
bool openAndClose(WindowInstance<Window> &instance)
{
    instance.show();
    if (!shown(instance.window()))
        return false;
    // Pressing the window's button again brings the open window forward.
    instance.show();
    instance.window()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return instance.window() == nullptr;
}

// Through the controls' own functions rather than the fixture's simulated
// keys and clicks: on a headless compositor, which has no keyboard, Qt's
// Wayland plugin crashes on a simulated key release in a text box (seen
// with Qt 6.4.2).
void calculate(const TestProgram &program)
{
    const KnownResult &known = KnownResults[0];
    program.box("Text12")->setText(known.frequency);
    program.control<QListWidget>("List1")->setCurrentRow(known.cable);
    program.control<QPushButton>(known.button())->click();
    out() << "results " << program.resultTexts().join(u' ') << Qt::endl;
}

void pressLink(web &website)
{
    QAccessibleInterface *link = QAccessible::queryAccessibleInterface(website.findChild<LinkLabel *>("lblWebPage"));
    link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

// Prints each launch as it is asked for, before it returns: a client that
// pressed the link over AT-SPI, whose press returns once the program has
// acted on it, then finds every launch it caused already printed.
class PrintingLauncher final : public ProgramLauncher
{
public:
    std::optional<calc::RuntimeError> start(const QString &commandLine, Ended) override
    {
        out() << "launch " << commandLine << Qt::endl;
        return std::nullopt;
    }
};

int smoke(TestProgram &program)
{
    Form1 &form1 = *program.form1;
    form1.show();
    if (!shown(&form1) || !openAndClose(form1.endDetail()) || !openAndClose(form1.centerDetail())
        || !openAndClose(form1.website()))
        return 1;
    calculate(program);
    form1.website().show();
    if (!shown(form1.website().window()))
        return 1;
    pressLink(*form1.website().window());
    form1.website().window()->close();
    form1.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}

int serve(TestProgram &program)
{
    Form1 &form1 = *program.form1;
    form1.show();
    if (!shown(&form1))
        return 1;
    // The other windows are built as a user opens them, once the screen
    // reader is listening, so that it sees them being built.
    if (!QTest::qWaitFor([] { return QAccessible::isActive(); }, 10000)) {
        out() << "accessibility never came on" << Qt::endl;
        return 1;
    }
    program.control<QPushButton>("Command1")->click();
    program.control<QPushButton>("Command2")->click();
    program.control<QPushButton>("mnuWeb")->click();
    if (!shown(form1.endDetail().window()) || !shown(form1.centerDetail().window()) || !shown(form1.website().window()))
        return 1;
    out() << "ready" << Qt::endl;
    // Ends by itself should the script that started it fail to.
    QTimer::singleShot(120000, qApp, &QCoreApplication::quit);
    return QApplication::exec();
}
}

int main(int argc, char *argv[])
{
    // On the desktop it is started on, with Qt's complaints printed.
    const GuiTestEnvironment desktop{.beforeStart = [] { qInstallMessageHandler(printQtProblems); }};
    return runGuiTestProgram(argc, argv, desktop, [] {
        PrintingLauncher launcher;
        TestProgram program(".", nullptr, &launcher);
        const QString mode = QCoreApplication::arguments().value(1);
        if (mode == u"smoke")
            return smoke(program);
        if (mode == u"serve")
            return serve(program);
        return 2;
    });
}
