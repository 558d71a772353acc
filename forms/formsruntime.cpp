// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "formsruntime.h"

#include <QLocale>

std::string userDecimalSeparator()
{
    return QLocale::system().decimalPoint().toStdString();
}
