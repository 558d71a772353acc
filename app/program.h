// SPDX-License-Identifier: MIT
#pragma once

class QApplication;

// Everything the program does once its application object exists: names
// itself, sets the forms' look, shows the main window and runs until the
// last window has closed. Returns the exit code.
int runProgram(QApplication &application);
