// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "controlproperties.h"

#include "imagefile.h"

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QVariant>
#include <QWidget>

#include <initializer_list>

namespace {
constexpr auto BackColor = "backColor";
constexpr auto ForeColor = "foreColor";
constexpr auto FontPixelSize = "fontPixelSize";
constexpr auto IconFile = "iconFile";

// The roles a control draws its background and its text with differ from
// one kind of control to the next (a box fills with Base, a button with
// Button), so a colour takes them all; the controls inside a list or a box,
// such as its scroll bars, inherit them.
void paintRoles(QPalette &palette, std::initializer_list<QPalette::ColorRole> roles, const QColor &colour)
{
    for (const QPalette::ColorRole role : roles)
        palette.setColor(role, colour);
}
}

void applyControlProperties(QWidget *widget)
{
    const QVariant backColor = widget->property(BackColor);
    const QVariant foreColor = widget->property(ForeColor);
    if (widget->isWindow()) {
        if (backColor.isValid())
            widget->setAttribute(Qt::WA_StyledBackground);
        const QVariant iconFile = widget->property(IconFile);
        if (iconFile.isValid())
            widget->setWindowIcon(QIcon(QPixmap::fromImage(readImageFile(iconFile.toString()))));
    } else if (backColor.isValid() || foreColor.isValid()) {
        QPalette palette = widget->palette();
        if (backColor.isValid())
            paintRoles(palette, {QPalette::Window, QPalette::Base, QPalette::Button, widget->backgroundRole()},
                       backColor.value<QColor>());
        if (foreColor.isValid())
            paintRoles(palette, {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, widget->foregroundRole()},
                       foreColor.value<QColor>());
        widget->setPalette(palette);
    }

    const QVariant pixelSize = widget->property(FontPixelSize);
    if (pixelSize.isValid()) {
        QFont font = widget->font();
        font.setPixelSize(pixelSize.toInt());
        widget->setFont(font);
    }
}

bool paintFormBackground(const QWidget *form, QPainter *painter, const QRect &rect)
{
    if (!form || !form->isWindow())
        return false;
    const QVariant backColor = form->property(BackColor);
    if (!backColor.isValid())
        return false;
    painter->fillRect(rect, backColor.value<QColor>());
    return true;
}
