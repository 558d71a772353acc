// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "multilinetextbox.h"

#include <QTextDocument>
#include <QTextOption>

namespace {
constexpr qreal TextMargin = 0.0;
}

MultiLineTextBox::MultiLineTextBox(QWidget *parent)
    : QTextEdit(parent)
{
    setAcceptRichText(false);
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    document()->setDocumentMargin(TextMargin);
}

Qt::Alignment MultiLineTextBox::textAlignment() const
{
    return document()->defaultTextOption().alignment();
}

void MultiLineTextBox::setTextAlignment(Qt::Alignment alignment)
{
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(alignment);
    document()->setDefaultTextOption(option);
}
