// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "focusmark.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWidget>

void drawFocusMark(const QWidget &control, QPainter &painter, const QRect &rect)
{
    if (!control.hasFocus())
        return;
    QStyleOptionFocusRect option;
    option.initFrom(&control);
    option.rect = rect;
    option.backgroundColor = control.palette().color(control.backgroundRole());
    control.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, &control);
}
