// SPDX-License-Identifier: MIT
#pragma once

#include "programlauncher.h"
#include "runtimeerror.h"

#include <QString>

// Where an untrapped error of a handler goes: a calculation's or a launch's.
// The program shows it in a message box; tests record it instead.
class ErrorReporter
{
public:
    virtual ~ErrorReporter() = default;
    virtual void report(calc::RuntimeError error) = 0;
    virtual void report(LaunchError error) = 0;
};

// "Run-time error '11':" and "Division by zero": the two lines of a report.
QString runtimeErrorHeading(int number);
QString runtimeErrorDescription(calc::RuntimeError error);
QString runtimeErrorDescription(LaunchError error);

class MessageBoxErrorReporter final : public ErrorReporter
{
public:
    void report(calc::RuntimeError error) override;
    void report(LaunchError error) override;

private:
    static void show(int number, const QString &description);
};
