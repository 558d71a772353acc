// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "linklabel.h"

#include "focusmark.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <utility>

LinkLabel::LinkLabel(QWidget *parent)
    : QLabel(parent)
{
    setFocusPolicy(Qt::TabFocus);
}

void LinkLabel::click()
{
    Q_EMIT clicked();
}

void LinkLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_doubleClicked = true;
    QLabel::mouseDoubleClickEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool doubleClicked = std::exchange(m_doubleClicked, false);
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && !doubleClicked && rect().contains(event->position().toPoint()))
        click();
}

// A key held down opens the page once, not once per repeat.
void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    const bool activates =
        event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space;
    if (!activates || (event->modifiers() & ~Qt::KeypadModifier)) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat())
        click();
}

void LinkLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    QPainter painter(this);
    drawFocusMark(*this, painter, rect());
}
