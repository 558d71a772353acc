// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "errorreporter.h"

#include <QApplication>
#include <QMessageBox>

// The report waits for the user, then the program goes on: every window and
// everything typed stays as it was, so nothing the user did is lost. It
// belongs to no window, so it shows also when the window it concerns has
// closed.
void MessageBoxErrorReporter::report(calc::RuntimeError error, const QString &concerning)
{
    QString text = QString::fromStdString(calc::runtimeErrorHeading(error)) + QStringLiteral("\n\n")
                   + QString::fromUtf8(calc::runtimeErrorDescription(error));
    if (!concerning.isEmpty())
        text += QStringLiteral("\n\n") + concerning;
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), text, QMessageBox::Ok);
    box.exec();
}
