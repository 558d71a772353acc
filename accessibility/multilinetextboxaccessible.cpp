// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "multilinetextboxaccessible.h"

#include <QFontMetrics>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

MultiLineTextBoxAccessible::MultiLineTextBoxAccessible(QTextEdit *box)
    : TextAccessible(box)
{
}

QTextEdit *MultiLineTextBoxAccessible::box() const
{
    return static_cast<QTextEdit *>(widget());
}

QAccessible::State MultiLineTextBoxAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = box()->isReadOnly();
    state.editable = !state.readOnly;
    state.multiLine = true;
    state.selectableText = true;
    return state;
}

QString MultiLineTextBoxAccessible::shownText() const
{
    return box()->toPlainText();
}

QString MultiLineTextBoxAccessible::editedText() const
{
    return box()->toPlainText();
}

void MultiLineTextBoxAccessible::setEditedText(const QString &text)
{
    box()->setPlainText(text);
}

// A paragraph is a block of the document; a line is a line of its layout,
// or the whole block while it has not been laid out.
QList<int> MultiLineTextBoxAccessible::lineStarts(QAccessible::TextBoundaryType boundaryType) const
{
    QList<int> starts;
    for (QTextBlock block = box()->document()->begin(); block.isValid(); block = block.next()) {
        const QTextLayout *layout = block.layout();
        if (boundaryType == QAccessible::ParagraphBoundary || !layout || layout->lineCount() == 0) {
            starts << block.position();
            continue;
        }
        for (int line = 0; line < layout->lineCount(); ++line)
            starts << block.position() + layout->lineAt(line).textStart();
    }
    return starts;
}

void MultiLineTextBoxAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    const QTextCursor cursor = box()->textCursor();
    if (selectionIndex != 0 || !cursor.hasSelection())
        return;
    *startOffset = cursor.selectionStart();
    *endOffset = cursor.selectionEnd();
}

int MultiLineTextBoxAccessible::selectionCount() const
{
    return box()->textCursor().hasSelection() ? 1 : 0;
}

void MultiLineTextBoxAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex != 0)
        return;
    QTextCursor cursor = box()->textCursor();
    cursor.clearSelection();
    box()->setTextCursor(cursor);
}

void MultiLineTextBoxAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex != 0)
        return;
    const auto [start, end] = textRange(startOffset, endOffset);
    QTextCursor cursor = box()->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    box()->setTextCursor(cursor);
}

int MultiLineTextBoxAccessible::cursorPosition() const
{
    return box()->textCursor().position();
}

void MultiLineTextBoxAccessible::setCursorPosition(int position)
{
    if (position < 0 || position > characterCount())
        return;
    QTextCursor cursor = box()->textCursor();
    cursor.setPosition(position);
    box()->setTextCursor(cursor);
}

QRect MultiLineTextBoxAccessible::characterRect(int offset) const
{
    const QString shown = shownText();
    if (offset < 0 || offset >= shown.size())
        return {};
    QTextCursor cursor(box()->document());
    cursor.setPosition(offset);
    const QRect at = box()->cursorRect(cursor);
    const QRect character(at.left(), at.top(), QFontMetrics(box()->font()).horizontalAdvance(shown.at(offset)),
                          at.height());
    return character.translated(box()->viewport()->mapToGlobal(QPoint(0, 0)));
}

int MultiLineTextBoxAccessible::offsetAtPoint(const QPoint &point) const
{
    return box()->cursorForPosition(box()->viewport()->mapFromGlobal(point)).position();
}

void MultiLineTextBoxAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    setCursorPosition(endIndex);
    box()->ensureCursorVisible();
    setCursorPosition(startIndex);
    box()->ensureCursorVisible();
}
