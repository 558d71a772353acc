// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// Asks the window manager to leave a top-level window out of the task bar
// and the pager. Qt has no window flag for this on X11, so the state goes
// straight onto the native window; it must be called while that window is
// not yet mapped. Other platforms, and builds without X11, are left as they
// are.
void keepOutOfTaskbar(QWidget &window);
