// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "program.h"

#include "desktoplauncher.h"
#include "errorreporter.h"
#include "formslook.h"
#include "version.h"

#include <QApplication>

Program::Program(ErrorReporter &errors, ProgramLauncher &launcher, std::string decimalSeparator)
    : m_runtime{errors, launcher, std::move(decimalSeparator)}
    , m_form1(m_module1, m_runtime)
{
}

void prepareApplication(QApplication &application)
{
    QApplication::setApplicationName(QStringLiteral("tarnwick"));
    QApplication::setApplicationVersion(QStringLiteral(TARNWICK_VERSION_TEXT));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tarnwick.tarnwick"));
    applyFormsLook(application);
}

int runProgram(QApplication &application)
{
    prepareApplication(application);
    MessageBoxErrorReporter errors;
    DesktopLauncher launcher;
    Program program(errors, launcher);
    program.form1().show();
    return QApplication::exec();
}
