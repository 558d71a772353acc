// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

class QPainter;
class QRect;
class QWidget;

// Draws the style's focus mark around rect while the control has the focus.
// The style draws it only once the keyboard has moved the focus in the
// control's window, so to the mouse the control looks as it always did.
void drawFocusMark(const QWidget &control, QPainter &painter, const QRect &rect);
