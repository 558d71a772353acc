// SPDX-License-Identifier: MIT
#include "formsruntime.h"

#include <QApplication>
#include <QFont>
#include <QLocale>
#include <QStyle>

namespace {
// The forms are laid out for this face at 8.25 pt on a 96 dpi screen, that is
// 11 pixels; Liberation Sans has its metrics, where the usual fallback is wider.
constexpr auto FormsFontFamily = "MS Sans Serif";
constexpr auto FormsFontSubstitute = "Liberation Sans";
constexpr int FormsFontPixelSize = 11;
}

void applyFormsLook(QApplication &application)
{
    QFont::insertSubstitution(QString::fromLatin1(FormsFontFamily), QString::fromLatin1(FormsFontSubstitute));
    QFont font(QString::fromLatin1(FormsFontFamily));
    font.setPixelSize(FormsFontPixelSize);
    application.setFont(font);
    application.setStyle(QStringLiteral("Fusion"));
}

std::string userDecimalSeparator()
{
    return QLocale::system().decimalPoint().toStdString();
}
