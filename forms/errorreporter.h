// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

#include "runtimeerror.h"

#include <QString>
#include <QStringList>

// Where an untrapped error of a handler goes: a calculation's or a launch's.
// The program shows it in a message box; tests record it instead. An error
// that comes after its handler has returned, such as a launched opener's
// failure, names what it concerns, since the window it came from may be
// gone: the page address.
class ErrorReporter
{
public:
    virtual ~ErrorReporter() = default;
    virtual void report(calc::RuntimeError error, const QString &concerning) = 0;
    void report(calc::RuntimeError error) { report(error, QString()); }
};

class MessageBoxErrorReporter final : public ErrorReporter
{
public:
    using ErrorReporter::report;
    void report(calc::RuntimeError error, const QString &concerning) override;

private:
    // The texts of the report on screen and of those to show after it.
    QStringList m_waiting;
};
