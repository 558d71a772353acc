// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "errorreporter.h"

#include <QApplication>
#include <QMessageBox>

// The report waits for the user, then the program goes on: every window and
// everything typed stays as it was, so nothing the user did is lost. It
// belongs to no window, so it shows also when the window it concerns has
// closed.
//
// Openers fail while a report waits, each in the report's own event loop: a
// report the user has not yet closed, or one still to come, stands for
// them all, and the one after it shows once it is closed, never inside it.
void MessageBoxErrorReporter::report(calc::RuntimeError error, const QString &concerning)
{
    QString text = QString::fromStdString(calc::runtimeErrorHeading(error)) + QStringLiteral("\n\n")
                   + QString::fromUtf8(calc::runtimeErrorDescription(error));
    if (!concerning.isEmpty())
        text += QStringLiteral("\n\n") + concerning;
    if (m_waiting.contains(text))
        return;
    m_waiting << text;
    if (m_waiting.size() > 1)
        return;
    while (!m_waiting.isEmpty()) {
        QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), m_waiting.first(), QMessageBox::Ok);
        box.exec();
        m_waiting.removeFirst();
    }
}
