// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

class QApplication;

// The look every window is built for: the forms' default font face mapped
// to a metric-compatible one, at its pixel size, in a style whose metrics
// and colours do not depend on the desktop's theme, with the windows'
// drawings, links and windows made known to screen readers as such.
void applyFormsLook(QApplication &application);
