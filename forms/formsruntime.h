// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

class ErrorReporter;
class ProgramLauncher;

// What the windows' handlers need from the running program besides their own
// controls: where untrapped errors go, how programs are launched, and the
// user's decimal separator.
struct FormsRuntime {
    ErrorReporter &errors;
    ProgramLauncher &launcher;
    std::string decimalSeparator;
};

// The decimal separator of the user's regional settings.
std::string userDecimalSeparator();
