// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

#include "calculationstate.h"
#include "form1.h"
#include "formsruntime.h"

#include <string>

class QApplication;

// The running program: its one calculation state and its main window, with
// where untrapped errors go and how programs are launched handed in. The
// program itself hands in the message box and the desktop's launcher; tests
// hand in recorders.
class Program
{
public:
    Program(ErrorReporter &errors, ProgramLauncher &launcher, std::string decimalSeparator = userDecimalSeparator());

    calc::CalculationState &module1() { return m_module1; }
    Form1 &form1() { return m_form1; }

private:
    FormsRuntime m_runtime;
    calc::CalculationState m_module1;
    Form1 m_form1;
};

// What the application is before any window exists: its name, version and
// desktop entry, and the look every window is built for.
void prepareApplication(QApplication &application);

// Everything the program does once its application object exists: prepares
// it, shows the main window and runs until the last window has closed.
// Returns the exit code.
int runProgram(QApplication &application);
