// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

#include "textaccessible.h"

class QTextEdit;

// What screen readers are told of a multi-line text box: its text alone,
// without the scroll area it is built on.
class MultiLineTextBoxAccessible final : public TextAccessible
{
public:
    explicit MultiLineTextBoxAccessible(QTextEdit *box);

    QAccessible::State state() const override;
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;

protected:
    QString shownText() const override;
    QString editedText() const override;
    void setEditedText(const QString &text) override;
    QList<int> lineStarts(QAccessible::TextBoundaryType boundaryType) const override;

private:
    QTextEdit *box() const;
};
