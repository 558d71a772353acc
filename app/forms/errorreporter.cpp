// SPDX-License-Identifier: MIT
#include "errorreporter.h"

#include <QApplication>
#include <QMessageBox>

QString runtimeErrorHeading(calc::RuntimeError error)
{
    return QStringLiteral("Run-time error '%1':").arg(static_cast<int>(error));
}

QString runtimeErrorDescription(calc::RuntimeError error)
{
    switch (error) {
    case calc::RuntimeError::Overflow:
        return QStringLiteral("Overflow");
    case calc::RuntimeError::DivisionByZero:
        return QStringLiteral("Division by zero");
    case calc::RuntimeError::TypeMismatch:
        return QStringLiteral("Type mismatch");
    case calc::RuntimeError::FileNotFound:
        return QStringLiteral("File not found");
    }
    return {};
}

// The report waits for the user, then the program goes on: every window and
// everything typed stays as it was, so nothing the user did is lost.
void MessageBoxErrorReporter::report(calc::RuntimeError error)
{
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(),
                    runtimeErrorHeading(error) + QStringLiteral("\n\n") + runtimeErrorDescription(error),
                    QMessageBox::Ok);
    box.exec();
}
