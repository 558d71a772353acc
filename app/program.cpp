// SPDX-License-Identifier: MIT
#include "program.h"

#include "calculationstate.h"
#include "desktoplauncher.h"
#include "errorreporter.h"
#include "form1.h"
#include "formsruntime.h"
#include "version.h"

#include <QApplication>

int runProgram(QApplication &application)
{
    QApplication::setApplicationName(QStringLiteral("tarnwick"));
    QApplication::setApplicationVersion(QStringLiteral(TARNWICK_VERSION_TEXT));
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
