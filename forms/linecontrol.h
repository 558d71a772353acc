// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

// A one-pixel line in the window-text colour, drawn on the window's surface.
// Its geometry is the line itself: one pixel wide for a vertical line, one
// pixel high for a horizontal one. Forms place lines first, beneath every
// other control, and clicks pass through to the window.
class LineControl : public QWidget
{
    Q_OBJECT

public:
    explicit LineControl(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
