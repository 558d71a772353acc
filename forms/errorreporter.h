// SPDX-License-Identifier: MIT
#pragma once

#include "runtimeerror.h"

// Where an untrapped error of a handler goes: a calculation's or a launch's.
// The program shows it in a message box; tests record it instead.
class ErrorReporter
{
public:
    virtual ~ErrorReporter() = default;
    virtual void report(calc::RuntimeError error) = 0;
};

class MessageBoxErrorReporter final : public ErrorReporter
{
public:
    void report(calc::RuntimeError error) override;
};
