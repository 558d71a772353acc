// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

#include "textaccessible.h"

#include <QFont>

#include <vector>

class QLineEdit;

// What screen readers are told of a single-line text box.
class TextBoxAccessible final : public TextAccessible
{
public:
    explicit TextBoxAccessible(QLineEdit *box);

    QAccessible::State state() const override;

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

private:
    QLineEdit *box() const;
    // Where each character of the shown text starts, from the start of the
    // text, and last where the text ends.
    const std::vector<qreal> &characterLefts(const QString &shown) const;

    mutable QString m_measuredText;
    mutable QFont m_measuredFont;
    mutable std::vector<qreal> m_characterLefts;
};
