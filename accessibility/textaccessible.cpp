// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "textaccessible.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace {
// Where the characters, words or sentences of a text start and end, from 0
// to its length: a character is a whole grapheme, and words and sentences
// end where an item starts or ends, not at every place a line could break.
QList<int> finderBoundaries(const QString &text, QTextBoundaryFinder::BoundaryType type)
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
}

TextAccessible::TextAccessible(QWidget *box)
    : QAccessibleWidget(box, QAccessible::EditableText)
{
}

QString TextAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Value)
        return shownText();
    return QAccessibleWidget::text(kind);
}

void TextAccessible::setText(QAccessible::Text kind, const QString &text)
{
    if (kind == QAccessible::Value)
        setEditedText(text);
    else
        QAccessibleWidget::setText(kind, text);
}

void *TextAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

void TextAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

QString TextAccessible::text(int startOffset, int endOffset) const
{
    if (startOffset < 0 || startOffset > endOffset)
        return {};
    return shownText().mid(startOffset, endOffset - startOffset);
}

// An offset of -2 is where the cursor stands.
QString TextAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                                         int *endOffset) const
{
    return piece(offset, boundaryType, Neighbour::Before, startOffset, endOffset);
}

QString TextAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                                        int *endOffset) const
{
    return piece(offset, boundaryType, Neighbour::After, startOffset, endOffset);
}

QString TextAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                                     int *endOffset) const
{
    return piece(offset, boundaryType, Neighbour::At, startOffset, endOffset);
}

int TextAccessible::characterCount() const
{
    return int(shownText().size());
}

QString TextAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    const int length = characterCount();
    *startOffset = *endOffset = -1;
    if (offset < 0 || offset > length)
        return {};
    *startOffset = 0;
    *endOffset = length;
    return {};
}

// An offset before the text is its start and one past it its end, so that
// an insert past the end appends instead of padding the text out to the
// offset; an end of -1 is the end of the text, as AT-SPI has it.
std::pair<int, int> TextAccessible::textRange(int startOffset, int endOffset) const
{
    const int length = characterCount();
    const int start = std::clamp(startOffset, 0, length);
    return {start, endOffset == -1 ? length : std::clamp(endOffset, start, length)};
}

void TextAccessible::deleteText(int startOffset, int endOffset)
{
    const auto [start, end] = textRange(startOffset, endOffset);
    setEditedText(editedText().remove(start, end - start));
}

void TextAccessible::insertText(int offset, const QString &text)
{
    setEditedText(editedText().insert(textRange(offset, offset).first, text));
}

void TextAccessible::replaceText(int startOffset, int endOffset, const QString &text)
{
    const auto [start, end] = textRange(startOffset, endOffset);
    setEditedText(editedText().replace(start, end - start, text));
}

QList<int> TextAccessible::lineStarts(QAccessible::TextBoundaryType) const
{
    return {0};
}

// The piece at an offset starts at the last boundary at or before it. At
// the end of the text the last word, sentence or line is the one there, but
// no character is. Nothing there: an empty text and both offsets -1.
QString TextAccessible::piece(int offset, QAccessible::TextBoundaryType boundaryType, Neighbour which, int *startOffset,
                              int *endOffset) const
{
    *startOffset = *endOffset = -1;
    const QString text = shownText();
    if (offset == -2)
        offset = cursorPosition();
    if (text.isEmpty() || offset < 0 || offset > text.size())
        return {};

    QList<int> boundaries;
    switch (boundaryType) {
    case QAccessible::CharBoundary:
        boundaries = finderBoundaries(text, QTextBoundaryFinder::Grapheme);
        break;
    case QAccessible::WordBoundary:
        boundaries = finderBoundaries(text, QTextBoundaryFinder::Word);
        break;
    case QAccessible::SentenceBoundary:
        boundaries = finderBoundaries(text, QTextBoundaryFinder::Sentence);
        break;
    case QAccessible::LineBoundary:
    case QAccessible::ParagraphBoundary:
        for (const int start : lineStarts(boundaryType)) {
            if (start < text.size() && (boundaries.isEmpty() || start > boundaries.last()))
                boundaries << start;
        }
        boundaries << int(text.size());
        break;
    case QAccessible::NoBoundary:
        boundaries = {0, int(text.size())};
        break;
    }

    qsizetype index = std::upper_bound(boundaries.begin(), boundaries.end(), offset) - boundaries.begin() - 1;
    if (index == boundaries.size() - 1 && boundaryType != QAccessible::CharBoundary)
        --index;
    if (which == Neighbour::Before)
        --index;
    else if (which == Neighbour::After)
        ++index;
    if (index < 0 || index + 1 >= boundaries.size())
        return {};
    *startOffset = boundaries[index];
    *endOffset = boundaries[index + 1];
    return text.mid(*startOffset, *endOffset - *startOffset);
}
