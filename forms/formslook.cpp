// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "formslook.h"

#include "controlproperties.h"
#include "accessiblefactory.h"
#include "singlelinebox.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QPalette>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleOption>

namespace {
// The forms are laid out for this face at 8.25 pt on a 96 dpi screen, that is
// 11 pixels; Liberation Sans has its metrics, where the usual fallback is wider.
constexpr auto FormsFontFamily = "MS Sans Serif";
constexpr auto FormsFontSubstitute = "Liberation Sans";
constexpr int FormsFontPixelSize = 11;

// The standard light scheme, the one the windows' own colours were chosen
// against: Fusion's colours for a light desktop. Fusion's own
// standardPalette() gives exactly these (Qt 6.4.2 and 6.8.2) only while the
// desktop is light: it follows the desktop's theme, and under a dark one
// (GTK's Adwaita:dark, seen with Qt 6.4.2) it gives dark colours, which the
// windows' light backgrounds cannot carry. So the light scheme is written
// out here.
QPalette standardLightScheme()
{
    const QColor face(239, 239, 239);
    const QColor dark = face.darker(150);
    const QColor mid = face.darker(130);
    const QColor shadow = dark.darker(135);
    const QColor disabledText(190, 190, 190);
    QColor placeholder(Qt::black);
    placeholder.setAlpha(128);

    QPalette scheme(Qt::black, face, face.lighter(150), dark, mid, Qt::black, Qt::white);
    scheme.setColor(QPalette::Midlight, mid.lighter(110));
    scheme.setColor(QPalette::Shadow, shadow);
    scheme.setColor(QPalette::HighlightedText, Qt::white);
    scheme.setColor(QPalette::Highlight, QColor(48, 140, 198));
    scheme.setColor(QPalette::PlaceholderText, placeholder);
    scheme.setColor(QPalette::Disabled, QPalette::Text, disabledText);
    scheme.setColor(QPalette::Disabled, QPalette::WindowText, disabledText);
    scheme.setColor(QPalette::Disabled, QPalette::ButtonText, disabledText);
    scheme.setColor(QPalette::Disabled, QPalette::Base, face);
    scheme.setColor(QPalette::Disabled, QPalette::Dark, QColor(209, 209, 209).darker(110));
    scheme.setColor(QPalette::Disabled, QPalette::Shadow, shadow.lighter(150));
    scheme.setColor(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    // Fusion's accent, new in Qt 6.6, is its highlight.
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        scheme.setColor(group, QPalette::Accent, scheme.color(group, QPalette::Highlight));
#endif
    return scheme;
}

// On a dark desktop theme the windows' light backgrounds would carry the
// theme's light text and lines, so the style gives every window the light
// scheme instead. Qt lets the style polish the palette it takes from the
// desktop, at start and whenever the desktop changes its theme; the result
// still counts as the desktop's palette rather than one the program set, so
// widgets keep sharing it instead of each taking a copy of its own, which
// would defeat the style's pixmap cache.
class FormsStyle final : public QProxyStyle
{
public:
    FormsStyle()
        : QProxyStyle(QStringLiteral("Fusion"))
    {
    }

    QPalette standardPalette() const override { return standardLightScheme(); }
    void polish(QPalette &palette) override { palette = standardLightScheme(); }
    void polish(QWidget *widget) override
    {
        QProxyStyle::polish(widget);
        applyControlProperties(widget);
        keepOnOneLine(widget);
    }
    using QProxyStyle::polish;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element == PE_Widget && paintFormBackground(widget, painter, option->rect))
            return;
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
};
}

void applyFormsLook(QApplication &application)
{
    // Naming a face that exists spares the font system a failed look-up and
    // the fallback lists it builds after one.
    const QString family = QString::fromLatin1(FormsFontFamily);
    QFont font(QFontDatabase::hasFamily(family) ? family : QString::fromLatin1(FormsFontSubstitute));
    font.setPixelSize(FormsFontPixelSize);
    application.setFont(font);
    application.setStyle(new FormsStyle);
    installAccessibleFactory();
}
