// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "textboxaccessible.h"

#include <QFontMetrics>
#include <QLineEdit>

TextBoxAccessible::TextBoxAccessible(QLineEdit *box)
    : TextAccessible(box)
{
}

QLineEdit *TextBoxAccessible::box() const
{
    return static_cast<QLineEdit *>(widget());
}

QAccessible::State TextBoxAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = box()->isReadOnly();
    state.editable = !state.readOnly;
    state.passwordEdit = box()->echoMode() != QLineEdit::Normal;
    state.selectableText = true;
    return state;
}

// A password box shows, and so tells, only its mask characters.
QString TextBoxAccessible::shownText() const
{
    return box()->displayText();
}

QString TextBoxAccessible::editedText() const
{
    return box()->text();
}

void TextBoxAccessible::setEditedText(const QString &text)
{
    box()->setText(text);
}

void TextBoxAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !box()->hasSelectedText())
        return;
    *startOffset = int(box()->selectionStart());
    *endOffset = int(box()->selectionEnd());
}

int TextBoxAccessible::selectionCount() const
{
    return box()->hasSelectedText() ? 1 : 0;
}

void TextBoxAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        box()->deselect();
}

void TextBoxAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        box()->setSelection(startOffset, endOffset - startOffset);
}

int TextBoxAccessible::cursorPosition() const
{
    return box()->cursorPosition();
}

void TextBoxAccessible::setCursorPosition(int position)
{
    box()->setCursorPosition(position);
}

// The box tells only where its cursor stands; every other character is
// measured from there along the line.
QRect TextBoxAccessible::characterRect(int offset) const
{
    const QString shown = shownText();
    if (offset < 0 || offset >= shown.size())
        return {};
    const QFontMetrics metrics(box()->font());
    const QRect cursor = box()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int left = cursor.center().x() + metrics.horizontalAdvance(shown.left(offset))
                     - metrics.horizontalAdvance(shown.left(box()->cursorPosition()));
    const QRect character(left, cursor.top(), metrics.horizontalAdvance(shown.at(offset)), cursor.height());
    return character.translated(box()->mapToGlobal(QPoint(0, 0)));
}

int TextBoxAccessible::offsetAtPoint(const QPoint &point) const
{
    return box()->cursorPositionAt(box()->mapFromGlobal(point));
}

void TextBoxAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    box()->setCursorPosition(endIndex);
    box()->setCursorPosition(startIndex);
}
