// SPDX-License-Identifier: MIT
#include "errorreporter.h"

#include <QApplication>
#include <QMessageBox>

// The report waits for the user, then the program goes on: every window and
// everything typed stays as it was, so nothing the user did is lost.
void MessageBoxErrorReporter::report(calc::RuntimeError error)
{
    const std::string_view description = calc::runtimeErrorDescription(error);
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(),
                    QString::fromStdString(calc::runtimeErrorHeading(error)) + QStringLiteral("\n\n")
                        + QString::fromUtf8(description.data(), qsizetype(description.size())),
                    QMessageBox::Ok);
    box.exec();
}
