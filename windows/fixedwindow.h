// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <Qt>

class QWidget;

// Sets up a window that keeps the size its form gives it and opens at its
// stored position each time it is built, whatever the window manager would
// choose; the position is that of the client area. Its title bar has a close
// box and the given other boxes.
void setUpFixedWindow(QWidget &window, Qt::WindowFlags otherBoxes, QPoint storedPosition);
