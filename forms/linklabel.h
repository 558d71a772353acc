// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

// A label that works as a link. A click on it (a left press and release over
// it; the second click of a double click is no second click), Return, Enter
// or Space while it has the focus, and a screen reader's press action each
// emit clicked() once. Only the keyboard gives it the focus, so to the mouse
// it stays a plain label; while it has the focus it shows the style's focus
// mark, which the style draws once the keyboard has moved the focus.
class LinkLabel : public QLabel
{
    Q_OBJECT
    Q_CLASSINFO("AccessibleRole", "Link")

public:
    explicit LinkLabel(QWidget *parent = nullptr);

    Q_INVOKABLE void click();

Q_SIGNALS:
    void clicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_doubleClicked = false;
};
