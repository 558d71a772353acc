// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "textboxaccessible.h"

#include <QLineEdit>
#include <QTextBoundaryFinder>
#include <QTextLayout>

#include <algorithm>

namespace {
// Characters measured together: few enough to place each of them quickly,
// and many, so that the kerning lost where two pieces meet does not add up.
constexpr qsizetype MeasuredPieceLength = 256;
}

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
    const auto [start, end] = textRange(startOffset, endOffset);
    if (selectionIndex == 0)
        box()->setSelection(start, end - start);
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
    const std::vector<qreal> &lefts = characterLefts(shown);
    const auto at = std::size_t(offset);
    const QRect cursor = box()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const qreal left = cursor.center().x() + lefts[at] - lefts[std::size_t(box()->cursorPosition())];
    const QRectF character(left, cursor.top(), lefts[at + 1] - lefts[at], cursor.height());
    return character.toRect().translated(box()->mapToGlobal(QPoint(0, 0)));
}

// A screen reader asks where each character of a range is, one character a
// call, and Qt places a character in a line of text in time that grows with
// the text before it. So the text is measured once for each text and font
// the box shows, in pieces laid out one after another.
const std::vector<qreal> &TextBoxAccessible::characterLefts(const QString &shown) const
{
    if (shown == m_measuredText && box()->font() == m_measuredFont)
        return m_characterLefts;
    m_measuredText = shown;
    m_measuredFont = box()->font();
    m_characterLefts.clear();
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, shown);
    qreal pieceLeft = 0;
    for (qsizetype start = 0; start < shown.size();) {
        graphemes.setPosition(std::min(start + MeasuredPieceLength, shown.size()));
        const qsizetype end = graphemes.isAtBoundary() ? graphemes.position() : graphemes.toNextBoundary();
        QTextLayout piece(shown.mid(start, end - start), m_measuredFont);
        piece.setCacheEnabled(true);
        piece.beginLayout();
        const QTextLine line = piece.createLine();
        piece.endLayout();
        for (int offset = 0; offset < end - start; ++offset)
            m_characterLefts.push_back(pieceLeft + line.cursorToX(offset));
        pieceLeft += line.cursorToX(int(end - start));
        start = end;
    }
    m_characterLefts.push_back(pieceLeft);
    return m_characterLefts;
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
