// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>

#include <utility>

// What screen readers are told of a text box, single-line or multi-line,
// where Qt's own account goes wrong. Each of these was seen in Qt 6.4.2 and
// again in 6.8.2:
// - A single-line box answers for its style with an empty run at the
//   offset, so a screen reader that reads up to the end of the last run
//   drops the box's last character ("FEE" for "FEET").
// - Asked for the word at the end of a single-line box, it never returns.
// - A multi-line box answers the text before or after an offset with the
//   piece at it ("AB" before offset 0 of "AB CD"), and an offset past its
//   end with its first piece.
// Here a box's whole text is one run, since a box has one font and one
// colour throughout, and every query for the text at, before or after an
// offset comes back with the right piece or with nothing, for any boundary
// and any offset.
class TextAccessible : public QAccessibleWidget,
                       public QAccessibleTextInterface,
                       public QAccessibleEditableTextInterface
{
public:
    explicit TextAccessible(QWidget *box);

    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text kind, const QString &text) override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    void addSelection(int startOffset, int endOffset) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                             int *endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                            int *endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                         int *endOffset) const override;
    int characterCount() const override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString &text) override;
    void replaceText(int startOffset, int endOffset, const QString &text) override;

protected:
    // The text as shown, and the text to replace it with.
    virtual QString shownText() const = 0;
    virtual QString editedText() const = 0;
    virtual void setEditedText(const QString &text) = 0;
    // Where the box's lines (as laid out) or paragraphs start, from 0; one
    // line and one paragraph unless the box says otherwise.
    virtual QList<int> lineStarts(QAccessible::TextBoundaryType boundaryType) const;
    // The start and end of the text an assistive client names, which may be
    // any two offsets, taken to the text; the end never before the start.
    std::pair<int, int> textRange(int startOffset, int endOffset) const;

private:
    enum class Neighbour { Before, At, After };
    QString piece(int offset, QAccessible::TextBoundaryType boundaryType, Neighbour which, int *startOffset,
                  int *endOffset) const;
};
