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
    void listShowsCatalogueOrder();
};

void TestCableSelection::pickingAnEntrySetsItsFactor_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<float>("factor");

    QTest::newRow("RG-6 first entry") << 0 << 0.75f;
    QTest::newRow("RG-8x same factor as RG-6") << 1 << 0.75f;
    QTest::newRow("RG-8 solid") << 2 << 0.66f;
    QTest::newRow("RG-142") << 13 << 0.7f;
    QTest::newRow("BELDEN 9913") << 18 << 0.84f;
    QTest::newRow("BELDEN 9914 last entry") << 19 << 0.78f;
}

void TestCableSelection::pickingAnEntrySetsItsFactor()
{
    QFETCH(int, position);
    QFETCH(float, factor);

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
    QTest::newRow("one past the last entry") << 20 << 0.66f;
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

void TestCableSelection::listShowsCatalogueOrder()
{
    const char *const expected[] = {
        "RG-6",         "RG-8x",  "RG-8",   "RG-8 FOAM",  "RG-11",       "RG-11 FOAM",  "RG-12",
        "RG-17 OR 17A", "RG-55",  "RG-58",  "RG-58 FOAM", "RG-59",       "RG-59 FOAM",  "RG-142",
        "RG-174",       "RG-213", "RG-214", "RG-223",     "BELDEN 9913", "BELDEN 9914",
    };
    QCOMPARE(calc::CableCatalogue.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const std::string_view name = calc::CableCatalogue[i].displayName;
        QCOMPARE(QByteArray(name.data(), static_cast<qsizetype>(name.size())), QByteArray(expected[i]));
    }
}

QTEST_APPLESS_MAIN(TestCableSelection)
#include "tst_cableselection.moc"
