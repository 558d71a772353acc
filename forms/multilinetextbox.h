// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QTextEdit>

// A multi-line text box without scroll bars whose whole text follows one
// alignment, also what the user types into it. The text runs edge to edge:
// the forms' texts fill their boxes to the last pixel. Tab moves on to the
// next control, as in every other box, instead of typing a tab.
class MultiLineTextBox : public QTextEdit
{
    Q_OBJECT
    Q_PROPERTY(Qt::Alignment textAlignment READ textAlignment WRITE setTextAlignment)

public:
    explicit MultiLineTextBox(QWidget *parent = nullptr);

    Qt::Alignment textAlignment() const;
    void setTextAlignment(Qt::Alignment alignment);
};
