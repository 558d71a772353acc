// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

// The worked example every test that needs a finished calculation shares:
// 14.2 MHz with RG-8x, in both units, pinned once.

#include "lengthcalculation.h"

#include <array>

#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

// The result and unit boxes, in the order a unit button writes them: the
// order of KnownResult::results.
inline constexpr std::array<const char *, 8> ResultBoxes{"Text2", "Text5", "Text6", "Text9",
                                                         "Text3", "Text7", "Text4", "Text8"};

struct KnownResult {
    const char *name;
    QString frequency;
    int cable; // its position in the cable list
    calc::Units units;
    // The texts of ResultBoxes: whole and remainder of each row, then the
    // large unit twice and the small unit twice.
    QStringList results;

    const char *button() const { return units == calc::Units::FeetAndInches ? "Command3" : "Command4"; }

    // Each row as a screen reader hears it: whole part, its unit, remainder,
    // its unit ("Overall length 34 FEET 7.774658 INCHES").
    QString overallStatement() const { return statement("Overall length", 0, 1); }
    QString coaxStatement() const { return statement("Coax section", 2, 3); }

private:
    QString statement(const char *row, int whole, int remainder) const
    {
        return QStringLiteral("%1 %2 %3 %4 %5").arg(row, results[whole], results[4], results[remainder], results[6]);
    }
};

inline const QList<KnownResult> KnownResults{
    {"14.2 MHz RG-8x feet", QStringLiteral("14.2"), 1, calc::Units::FeetAndInches,
     QStringList{"34", "7.774658", "25", "11.83099", "FEET", "FEET", "INCHES", "INCHES"}},
    {"14.2 MHz RG-8x metric", QStringLiteral("14.2"), 1, calc::Units::MetresAndCentimetres,
     QStringList{"10", "54.92964", "7", "91.1972", "METERS", "METERS", "CM", "CM"}},
};
Q_DECLARE_METATYPE(KnownResult)
