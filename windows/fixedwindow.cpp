// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "fixedwindow.h"

#include <QWidget>

void setUpFixedWindow(QWidget &window, Qt::WindowFlags otherBoxes, QPoint storedPosition)
{
    // Still a plain window rather than a dialog or tool window: those would
    // be tied to another window or kept above it, and would not count when
    // the program waits for its last window to close.
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint | otherBoxes);
    window.setGeometry(QRect(storedPosition, window.size()));
}
