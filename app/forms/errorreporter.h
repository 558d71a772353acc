// SPDX-License-Identifier: MIT
#pragma once

#include "runtimeerror.h"

#include <QString>

// Where an untrapped error of a handler goes. The program shows it in a
// message box; tests record it instead.
class ErrorReporter
{
public:
    virtual ~ErrorReporter() = default;
    virtual void report(calc::RuntimeError error) = 0;
};

// "Run-time error '11':" and "Division by zero": the two lines of a report.
QString runtimeErrorHeading(calc::RuntimeError error);
QString runtimeErrorDescription(calc::RuntimeError error);

class MessageBoxErrorReporter final : public ErrorReporter
{
public:
    void report(calc::RuntimeError error) override;
};
