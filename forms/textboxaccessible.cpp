// SPDX-License-Identifier: MIT
#include "textboxaccessible.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace {
enum class Neighbour { Before, At, After };

// Where the pieces of the text start and end, from 0 to the text's length.
// Words and sentences end where the finder says an item starts or ends, and
// not at every place a line could break; a character is a whole grapheme.
QList<int> pieceBoundaries(const QString &text, QTextBoundaryFinder::BoundaryType type)
{
    QList<int> boundaries{0};
    QTextBoundaryFinder finder(type, text);
    // Positions only grow until the finder answers -1 past the end.
    for (qsizetype at = finder.toNextBoundary(); at > 0; at = finder.toNextBoundary()) {
        const bool endsAPiece =
            type == QTextBoundaryFinder::Grapheme
            || (finder.boundaryReasons() & (QTextBoundaryFinder::StartOfItem | QTextBoundaryFinder::EndOfItem));
        if (endsAPiece && at < text.size())
            boundaries << int(at);
    }
    boundaries << int(text.size());
    return boundaries;
}

// The piece of a one-line text at an offset, or the one before or after
// it. A line, a paragraph or no boundary at all is the whole text. At the
// end of the text the last word or sentence is the one there, but no
// character is. Nothing there: an empty text and both offsets -1.
QString neighbourPiece(const QString &text, int offset, QAccessible::TextBoundaryType boundaryType, Neighbour which,
                       int *startOffset, int *endOffset)
{
    *startOffset = *endOffset = -1;
    if (text.isEmpty() || offset < 0 || offset > text.size())
        return {};

    QTextBoundaryFinder::BoundaryType type = QTextBoundaryFinder::Grapheme;
    switch (boundaryType) {
    case QAccessible::CharBoundary:
        break;
    case QAccessible::WordBoundary:
        type = QTextBoundaryFinder::Word;
        break;
    case QAccessible::SentenceBoundary:
        type = QTextBoundaryFinder::Sentence;
        break;
    case QAccessible::LineBoundary:
    case QAccessible::ParagraphBoundary:
    case QAccessible::NoBoundary:
        if (which != Neighbour::At)
            return {};
        *startOffset = 0;
        *endOffset = int(text.size());
        return text;
    }

    const QList<int> boundaries = pieceBoundaries(text, type);
    qsizetype piece = std::upper_bound(boundaries.begin(), boundaries.end(), offset) - boundaries.begin() - 1;
    if (piece == boundaries.size() - 1 && type != QTextBoundaryFinder::Grapheme)
        --piece;
    if (which == Neighbour::Before)
        --piece;
    else if (which == Neighbour::After)
        ++piece;
    if (piece < 0 || piece + 1 >= boundaries.size())
        return {};
    *startOffset = boundaries[piece];
    *endOffset = boundaries[piece + 1];
    return text.mid(*startOffset, *endOffset - *startOffset);
}
}

TextBoxAccessible::TextBoxAccessible(QLineEdit *box)
    : QAccessibleWidget(box, QAccessible::EditableText)
{
}

QLineEdit *TextBoxAccessible::box() const
{
    return static_cast<QLineEdit *>(widget());
}

QString TextBoxAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Value)
        return box()->displayText();
    return QAccessibleWidget::text(kind);
}

void TextBoxAccessible::setText(QAccessible::Text kind, const QString &text)
{
    if (kind == QAccessible::Value)
        box()->setText(text);
    else
        QAccessibleWidget::setText(kind, text);
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

void *TextBoxAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
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

void TextBoxAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
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

QString TextBoxAccessible::text(int startOffset, int endOffset) const
{
    if (startOffset < 0 || startOffset > endOffset)
        return {};
    return box()->displayText().mid(startOffset, endOffset - startOffset);
}

// An offset of -2 is where the cursor stands.
QString TextBoxAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                                            int *endOffset) const
{
    return neighbourPiece(box()->displayText(), offset == -2 ? cursorPosition() : offset, boundaryType,
                          Neighbour::Before, startOffset, endOffset);
}

QString TextBoxAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                                           int *endOffset) const
{
    return neighbourPiece(box()->displayText(), offset == -2 ? cursorPosition() : offset, boundaryType,
                          Neighbour::After, startOffset, endOffset);
}

QString TextBoxAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                                        int *endOffset) const
{
    return neighbourPiece(box()->displayText(), offset == -2 ? cursorPosition() : offset, boundaryType, Neighbour::At,
                          startOffset, endOffset);
}

int TextBoxAccessible::characterCount() const
{
    return int(box()->displayText().size());
}

// The box tells only where its cursor stands; every other character is
// measured from there along the same line.
QRect TextBoxAccessible::characterRect(int offset) const
{
    const QString shown = box()->displayText();
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

// A box has one font and one colour throughout, so its whole text is one run.
QString TextBoxAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    const int length = characterCount();
    *startOffset = *endOffset = -1;
    if (offset < 0 || offset > length)
        return {};
    *startOffset = 0;
    *endOffset = length;
    return {};
}

void TextBoxAccessible::deleteText(int startOffset, int endOffset)
{
    box()->setText(box()->text().remove(startOffset, endOffset - startOffset));
}

void TextBoxAccessible::insertText(int offset, const QString &text)
{
    box()->setText(box()->text().insert(offset, text));
}

void TextBoxAccessible::replaceText(int startOffset, int endOffset, const QString &text)
{
    box()->setText(box()->text().replace(startOffset, endOffset - startOffset, text));
}
