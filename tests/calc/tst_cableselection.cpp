// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "cablecatalogue.h"

#include <QTest>

#include <limits>

using calc::CalculationState;

class TestCableSelection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pickingAnEntrySetsItsFactor_data();
    void pickingAnEntrySetsItsFactor();
    void positionWithoutEntryKeepsFactor_data();
    void positionWithoutEntryKeepsFactor();
};

void TestCableSelection::pickingAnEntrySetsItsFactor_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<float>("factor");

    // The cables as designed, written out here and not taken from the
    // catalogue: a wrong or swapped factor cuts the coax to the wrong length.
    const struct {
        const char *name;
        float factor;
    } designed[] = {
        {"RG-6", 0.75f},       {"RG-8x", 0.75f},     {"RG-8", 0.66f},        {"RG-8 FOAM", 0.8f},
        {"RG-11", 0.66f},      {"RG-11 FOAM", 0.8f}, {"RG-12", 0.66f},       {"RG-17 OR 17A", 0.66f},
        {"RG-55", 0.66f},      {"RG-58", 0.66f},     {"RG-58 FOAM", 0.79f},  {"RG-59", 0.66f},
        {"RG-59 FOAM", 0.79f}, {"RG-142", 0.7f},     {"RG-174", 0.66f},      {"RG-213", 0.66f},
        {"RG-214", 0.66f},     {"RG-223", 0.66f},    {"BELDEN 9913", 0.84f}, {"BELDEN 9914", 0.78f},
    };
    int position = 0;
    for (const auto &cable : designed) {
        QTest::newRow(cable.name) << position << QByteArray(cable.name) << cable.factor;
        ++position;
    }
}

void TestCableSelection::pickingAnEntrySetsItsFactor()
{
    QFETCH(int, position);
    QFETCH(QByteArray, name);
    QFETCH(float, factor);

    QVERIFY(std::size_t(position) < calc::CableCatalogue.size());
    const std::string_view listed = calc::CableCatalogue[std::size_t(position)].displayName;
    QCOMPARE(QByteArray(listed.data(), static_cast<qsizetype>(listed.size())), name);

    // Start from another cable so a missed write cannot pass by accident.
    CalculationState state;
    state.VelocityFactor = 0.5f;
    state.OverallLength = 34.5f;
    calc::selectCable(state, static_cast<std::int16_t>(position));

    QCOMPARE(state.VelocityFactor, factor);
    QCOMPARE(state.CableIndex, static_cast<float>(position));
    QCOMPARE(state.OverallLength, 34.5f); // picking a cable does not recalculate
}

void TestCableSelection::positionWithoutEntryKeepsFactor_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<float>("factorBefore");

    QTest::newRow("nothing selected, no cable yet") << -1 << 0.0f;
    QTest::newRow("nothing selected after RG-59 FOAM") << -1 << 0.79f;
    QTest::newRow("one past the last entry") << int(calc::CableCatalogue.size()) << 0.66f;
    QTest::newRow("largest position") << int{std::numeric_limits<std::int16_t>::max()} << 0.8f;
    QTest::newRow("most negative position") << int{std::numeric_limits<std::int16_t>::min()} << 0.75f;
}

void TestCableSelection::positionWithoutEntryKeepsFactor()
{
    QFETCH(int, position);
    QFETCH(float, factorBefore);

    CalculationState state;
    state.VelocityFactor = factorBefore;
    calc::selectCable(state, static_cast<std::int16_t>(position));

    QCOMPARE(state.VelocityFactor, factorBefore);
    QCOMPARE(state.CableIndex, static_cast<float>(position));
}

QTEST_APPLESS_MAIN(TestCableSelection)
#include "tst_cableselection.moc"
