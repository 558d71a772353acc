// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <string>

class ErrorReporter;
class ProgramLauncher;
class QApplication;

// What the windows' handlers need from the running program besides their own
// controls: where untrapped errors go, how programs are launched, and the
// user's decimal separator.
struct FormsRuntime {
    ErrorReporter &errors;
    ProgramLauncher &launcher;
    std::string decimalSeparator;
};

// The look every window is built for: the forms' default font face mapped
// to a metric-compatible one, at its pixel size, in a style whose metrics
// and colours do not depend on the desktop's theme, with the windows'
// drawings, links and windows made known to screen readers as such.
void applyFormsLook(QApplication &application);

// The decimal separator of the user's regional settings.
std::string userDecimalSeparator();
