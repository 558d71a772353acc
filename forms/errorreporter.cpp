// SPDX-License-Identifier: MIT
#include "errorreporter.h"

#include <QApplication>
#include <QMessageBox>

QString runtimeErrorHeading(int number)
{
    return QStringLiteral("Run-time error '%1':").arg(number);
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
    }
    return {};
}

QString runtimeErrorDescription(LaunchError error)
{
    switch (error) {
    case LaunchError::FileNotFound:
        return QStringLiteral("File not found");
    }
    return {};
}

void MessageBoxErrorReporter::report(calc::RuntimeError error)
{
    show(int(error), runtimeErrorDescription(error));
}

void MessageBoxErrorReporter::report(LaunchError error)
{
    show(int(error), runtimeErrorDescription(error));
}

// The report waits for the user, then the program goes on: every window and
// everything typed stays as it was, so nothing the user did is lost.
void MessageBoxErrorReporter::show(int number, const QString &description)
{
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(),
                    runtimeErrorHeading(number) + QStringLiteral("\n\n") + description, QMessageBox::Ok);
    box.exec();
}
