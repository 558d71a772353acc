// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "singlelinebox.h"

#include <QLineEdit>
#include <QValidator>

#include <algorithm>

namespace {
// Besides CR and LF, Unicode's own line and paragraph separators and NEL end
// a line in text copied from word processors and web pages.
constexpr QStringView LineBreaks = u"\r\n\u0085\u2028\u2029";

// A validator sees every change to a box's text, however it was made, and may
// rewrite it before the box shows it or signals it.
class LineBreakRemover final : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &position) const override
    {
        const auto isLineBreak = [](QChar character) { return LineBreaks.contains(character); };
        const auto cursor = input.cbegin() + std::clamp<qsizetype>(position, 0, input.size());
        position -= static_cast<int>(std::count_if(input.cbegin(), cursor, isLineBreak));
        input.removeIf(isLineBreak);
        return Acceptable;
    }
};
}

void keepOnOneLine(QWidget *widget)
{
    // A box that checks its text already, such as a spin box's, keeps its own
    // validator, and a box polished again keeps the one it has.
    if (auto *box = qobject_cast<QLineEdit *>(widget); box && !box->validator())
        box->setValidator(new LineBreakRemover(box));
}
