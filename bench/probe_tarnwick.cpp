// SPDX-License-Identifier: MIT
// The program's start, step for step as app/main.cpp does it, with the first
// paint reported to the benchmark. A change to the start path that is not
// mirrored here is one the benchmark cannot see, so the build stops when the
// two main() functions differ by more than the report (checkprobe.cmake).
#include "calculationstate.h"
#include "desktoplauncher.h"
#include "errorreporter.h"
#include "firstpaint.h"
#include "form1.h"
#include "formsruntime.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const int firstPaintFd = takeFirstPaintOption(argc, argv);
    QApplication application(argc, argv);
    if (firstPaintFd >= 0)
        reportFirstPaintTo(firstPaintFd);
    QApplication::setApplicationName(QStringLiteral("tarnwick"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tarnwick.tarnwick"));
    applyFormsLook(application);

    MessageBoxErrorReporter errorReporter;
    DesktopLauncher launcher;
    FormsRuntime runtime{errorReporter, launcher, userDecimalSeparator()};
    calc::CalculationState module1;

    Form1 form1(module1, runtime);
    form1.show();
    return QApplication::exec();
}
