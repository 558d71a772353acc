// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

// The worked example every test that needs a finished calculation shares,
// read from knownresults.txt, where it is pinned once.

#include "cablecatalogue.h"
#include "lengthcalculation.h"

#include <array>

#include <QFile>
#include <QList>
#include <QMap>
#include <QMetaType>
#include <QString>
#include <QStringList>

// The result and unit boxes, in the order a unit button writes them: the
// order of KnownResult::results.
inline constexpr std::array<const char *, 8> ResultBoxes{"Text2", "Text5", "Text6", "Text9",
                                                         "Text3", "Text7", "Text4", "Text8"};

struct KnownResult {
    QByteArray name;
    QString frequency;
    int cable; // its position in the cable list
    calc::Units units;
    // The texts of ResultBoxes: whole and remainder of each row, then the
    // large unit twice and the small unit twice.
    QStringList results;
    // Each row as a screen reader hears it.
    QString overallStatement;
    QString coaxStatement;

    const char *button() const { return units == calc::Units::FeetAndInches ? "Command3" : "Command4"; }
};

inline QList<KnownResult> readKnownResults()
{
    QFile file(QStringLiteral(TARNWICK_KNOWN_RESULTS));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", TARNWICK_KNOWN_RESULTS);
    QMap<QString, QString> values;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
        if (!line.startsWith(u'#'))
            values.insert(line.section(u'=', 0, 0), line.section(u'=', 1));
    }
    QList<KnownResult> known;
    for (const auto &[units, word] : {std::pair{calc::Units::FeetAndInches, QStringLiteral("feet")},
                                      std::pair{calc::Units::MetresAndCentimetres, QStringLiteral("metric")}}) {
        const auto value = [&](const char *key) { return values.value(word + u'.' + QLatin1StringView(key)); };
        const int cable = value("cable").toInt();
        const std::string_view cableName = calc::CableCatalogue.at(std::size_t(cable)).displayName;
        known.append({(value("frequency") + QStringLiteral(" MHz ") + QString::fromUtf8(cableName.data()) + u' ' + word)
                          .toUtf8(),
                      value("frequency"), cable, units, value("results").split(u' '), value("overall"), value("coax")});
        if (known.last().results.size() != int(ResultBoxes.size()))
            qFatal("%s: no eight results for %s", TARNWICK_KNOWN_RESULTS, qPrintable(word));
    }
    return known;
}

inline const QList<KnownResult> KnownResults = readKnownResults();
Q_DECLARE_METATYPE(KnownResult)
