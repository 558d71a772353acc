// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "knownresults.h"
#include "cablecatalogue.h"
#include "cutting.h"
#include "frequencysweep.h"
#include "lengthcalculation.h"
#include "numbertext.h"

#include <QTest>

#include <bit>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

using calc::CalculationState;
using calc::RuntimeError;

Q_DECLARE_METATYPE(std::string)

namespace {

using calc::Units;
constexpr Units Feet = Units::FeetAndInches;
constexpr Units Metric = Units::MetresAndCentimetres;

struct Press {
    std::optional<RuntimeError> error;
    // What the calculation shows: each row's whole part and remainder, then
    // the large and the small unit; nothing when it failed.
    QStringList texts;
};

// A unit button's press as the main window makes it: the state takes what
// the calculation kept.
Press press(Units unit, CalculationState &state, const std::string &typed, std::string_view separator)
{
    const calc::LengthResult result = calc::calculateLengths(typed, state.VelocityFactor, unit, separator);
    result.storeInto(state);
    if (!result.split)
        return {result.error, {}};
    const calc::ResultTexts &t = result.split->texts;
    QStringList texts;
    for (const std::string &text :
         {t.overallWhole, t.overallRemainder, t.coaxWhole, t.coaxRemainder, t.largeUnit, t.smallUnit})
        texts << QString::fromStdString(text);
    return {result.error, texts};
}

CalculationState withCable(int position)
{
    CalculationState state;
    if (position >= 0)
        calc::selectCable(state, static_cast<std::int16_t>(position));
    return state;
}

// The number the user would see in the error report; 0 when there is none.
int errorNumber(std::optional<RuntimeError> error)
{
    return error ? static_cast<int>(*error) : 0;
}

bool sameFloat(float a, float b)
{
    return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

bool sameState(const CalculationState &a, const CalculationState &b)
{
    return sameFloat(a.OverallLength, b.OverallLength) && sameFloat(a.CoaxLength, b.CoaxLength)
           && sameFloat(a.OverallMajor, b.OverallMajor) && sameFloat(a.OverallMinor, b.OverallMinor)
           && sameFloat(a.CoaxMajor, b.CoaxMajor) && sameFloat(a.CoaxMinor, b.CoaxMinor)
           && sameFloat(a.Frequency, b.Frequency) && sameFloat(a.VelocityFactor, b.VelocityFactor)
           && sameFloat(a.CableIndex, b.CableIndex);
}

const std::string Dot(".");
const std::string Comma(",");
const std::string ArabicSeparator("\u066B");
constexpr int NoCable = -1;
constexpr int RG8x = 1;
constexpr int RG8 = 2;
constexpr int RG142 = 13;

} // namespace

Q_DECLARE_METATYPE(calc::Units)
Q_DECLARE_METATYPE(calc::RuntimeError)

// Picking a cable, and a unit button's calculation from the typed frequency
// and the cable's velocity factor.
class TestCalculation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pickingAnEntrySetsItsFactor_data();
    void pickingAnEntrySetsItsFactor();
    void positionWithoutEntryKeepsFactor_data();
    void positionWithoutEntryKeepsFactor();
    void showsLengths_data();
    void showsLengths();
    void failsWithoutWritingBoxes_data();
    void failsWithoutWritingBoxes();
    void frequencyBoxShowsStoredFrequency_data();
    void frequencyBoxShowsStoredFrequency();
    void splitsRecomposeTheStoredLengths_data();
    void splitsRecomposeTheStoredLengths();
    void readsAsATapeMeasure_data();
    void readsAsATapeMeasure();
    void trimsTowardsTheResonance_data();
    void trimsTowardsTheResonance();
    void sweepsInExactDecimalSteps();
};

void TestCalculation::pickingAnEntrySetsItsFactor_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<float>("factor");

    // The cables as designed, written out here and not taken from the
    // catalogue: a wrong or swapped factor cuts the coax to the wrong length.
    const std::pair<const char *, float> designed[] = {
        {"RG-6", 0.75f},       {"RG-8x", 0.75f},     {"RG-8", 0.66f},        {"RG-8 FOAM", 0.8f},
        {"RG-11", 0.66f},      {"RG-11 FOAM", 0.8f}, {"RG-12", 0.66f},       {"RG-17 OR 17A", 0.66f},
        {"RG-55", 0.66f},      {"RG-58", 0.66f},     {"RG-58 FOAM", 0.79f},  {"RG-59", 0.66f},
        {"RG-59 FOAM", 0.79f}, {"RG-142", 0.7f},     {"RG-174", 0.66f},      {"RG-213", 0.66f},
        {"RG-214", 0.66f},     {"RG-223", 0.66f},    {"BELDEN 9913", 0.84f}, {"BELDEN 9914", 0.78f},
    };
    for (int position = 0; const auto &[name, factor] : designed)
        QTest::newRow(name) << position++ << QByteArray(name) << factor;
}

void TestCalculation::pickingAnEntrySetsItsFactor()
{
    QFETCH(int, position);
    QFETCH(QByteArray, name);
    QFETCH(float, factor);

    QVERIFY(std::size_t(position) < calc::CableCatalogue.size());
    const std::string_view listed = calc::CableCatalogue[std::size_t(position)].displayName;
    QCOMPARE(QByteArray(listed.data(), static_cast<qsizetype>(listed.size())), name);
    // Named on the command line as people type it, it is found, and only it.
    QCOMPARE(calc::findCable(QByteArray(name).toLower().replace('-', "").toStdString()), std::size_t(position));

    // Start from another cable so a missed write cannot pass by accident.
    CalculationState state;
    state.VelocityFactor = 0.5f;
    state.OverallLength = 34.5f;
    calc::selectCable(state, static_cast<std::int16_t>(position));

    QCOMPARE(state.VelocityFactor, factor);
    QCOMPARE(state.CableIndex, static_cast<float>(position));
    QCOMPARE(state.OverallLength, 34.5f); // picking a cable does not recalculate
}

void TestCalculation::positionWithoutEntryKeepsFactor_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<float>("factorBefore");

    QTest::newRow("nothing selected, no cable yet") << -1 << 0.0f;
    QTest::newRow("nothing selected after RG-59 FOAM") << -1 << 0.79f;
    QTest::newRow("one past the last entry") << int(calc::CableCatalogue.size()) << 0.66f;
    QTest::newRow("largest position") << int{std::numeric_limits<std::int16_t>::max()} << 0.8f;
    QTest::newRow("most negative position") << int{std::numeric_limits<std::int16_t>::min()} << 0.75f;
}

void TestCalculation::positionWithoutEntryKeepsFactor()
{
    QFETCH(int, position);
    QFETCH(float, factorBefore);

    CalculationState state;
    state.VelocityFactor = factorBefore;
    calc::selectCable(state, static_cast<std::int16_t>(position));

    QCOMPARE(state.VelocityFactor, factorBefore);
    QCOMPARE(state.CableIndex, static_cast<float>(position));
}

void TestCalculation::showsLengths_data()
{
    QTest::addColumn<std::string>("typed");
    QTest::addColumn<std::string>("separator");
    QTest::addColumn<int>("cable");
    QTest::addColumn<Units>("unit");
    QTest::addColumn<QStringList>("numbers"); // each row's whole part and remainder

    for (const KnownResult &known : KnownResults) {
        const std::string frequency = known.frequency.toStdString();
        QTest::newRow(known.name.constData())
            << frequency << Dot << known.cable << known.units << known.results.mid(0, 4);
        QTest::addRow("%s without a cable", known.name.constData())
            << frequency << Dot << NoCable << known.units << QStringList{known.results[0], known.results[1], "0", "0"};
    }
    QTest::newRow("4.92 MHz RG-8 feet comes out even")
        << std::string("4.92") << Dot << RG8 << Feet << QStringList{"100", "0", "66", "0"};
    QTest::newRow("3.5 MHz RG-8 metres keep the float error")
        << std::string("3.5") << Dot << RG8 << Metric << QStringList{"42", "79.99992", "28", "24.80011"};
    QTest::newRow("-14.2 MHz RG-8x feet floors")
        << std::string("-14.2") << Dot << RG8x << Feet << QStringList{"-35", "4.225342", "-26", "0.1690063"};
    QTest::newRow("-14.2 MHz no cable feet shows a minus zero coax as 0")
        << std::string("-14.2") << Dot << NoCable << Feet << QStringList{"-35", "4.225342", "0", "0"};
    QTest::newRow("100000000 MHz RG-8 feet in exponent form")
        << std::string("100000000") << Dot << RG8 << Feet << QStringList{"0", "5.904E-05", "0", "3.89664E-05"};
    QTest::newRow("0.0001 MHz RG-8 feet")
        << std::string("0.0001") << Dot << RG8 << Feet << QStringList{"4920000", "0", "3247200", "3"};
    QTest::newRow("7,1 MHz RG-8 feet comma locale")
        << std::string("7,1") << Comma << RG8 << Feet << QStringList{"69", "3,549316", "45", "8,822571"};
    QTest::newRow("7\u066B1 MHz RG-8 metres two-byte separator")
        << std::string("7\u066B1") << ArabicSeparator << RG8 << Metric
        << QStringList{"21", "9\u066B859276", "13", "92\u066B50708"};
    QTest::newRow("blanks, sign and exponent around 3.5 MHz metres")
        << std::string(" +3.5e0\t") << Dot << RG8 << Metric << QStringList{"42", "79.99992", "28", "24.80011"};
    // Taking the coax length from the rounded overall length would show 10.00003.
    QTest::newRow("7.2 MHz RG-142 feet coax from the unrounded quotient")
        << std::string("7.2") << Dot << RG142 << Feet << QStringList{"68", "4.000031", "47", "9.999985"};
    // A float 149.8 would show 95.10498.
    QTest::newRow("7.15 MHz RG-8 metres with the exact 149.8")
        << std::string("7.15") << Dot << RG8 << Metric << QStringList{"20", "95.10479", "13", "82.7693"};
    QTest::newRow("1.5E-36 MHz RG-8 feet just inside the float range")
        << std::string("1.5E-36") << Dot << RG8 << Feet << QStringList{"3.28E+38", "0", "2.1648E+38", "0"};
    QTest::newRow("4.5E-37 MHz RG-8 metres just inside the float range")
        << std::string("4.5E-37") << Dot << RG8 << Metric << QStringList{"3.328889E+38", "0", "2.197067E+38", "0"};
    // -1.498E-08 m: the fraction 0.999999985 rounds to a whole float 1 when stored.
    QTest::newRow("-1E10 MHz RG-8 metres tiny negative length shows 100 cm")
        << std::string("-1E10") << Dot << RG8 << Metric << QStringList{"-1", "100", "-1", "100"};
}

void TestCalculation::showsLengths()
{
    QFETCH(std::string, typed);
    QFETCH(std::string, separator);
    QFETCH(int, cable);
    QFETCH(Units, unit);
    QFETCH(QStringList, numbers);

    CalculationState state = withCable(cable);
    const float factorBefore = state.VelocityFactor;
    const Press pressed = press(unit, state, typed, separator);
    QCOMPARE(errorNumber(pressed.error), 0);

    const bool feet = unit == Feet;
    const QStringList units{feet ? "FEET" : "METERS", feet ? "INCHES" : "CM"};
    QCOMPARE(pressed.texts, numbers + units);

    // The C library's reading, rounded once to float, is the independent one.
    const auto at = typed.find(separator);
    const std::string inC =
        at == std::string::npos ? typed : typed.substr(0, at) + '.' + typed.substr(at + separator.size());
    QVERIFY(sameFloat(state.Frequency, std::strtof(inC.c_str(), nullptr)));
    QVERIFY(sameFloat(state.VelocityFactor, factorBefore));
    // The state keeps metre fractions; only the boxes show centimetres.
    QVERIFY(state.OverallMinor <= (feet ? 12.0f : 1.0f));
    QVERIFY(state.CoaxMinor <= (feet ? 12.0f : 1.0f));
}

enum class LengthAfter { Unchanged, PlusInfinity, MinusInfinity };
Q_DECLARE_METATYPE(LengthAfter)

void TestCalculation::failsWithoutWritingBoxes_data()
{
    QTest::addColumn<std::string>("typed");
    QTest::addColumn<std::string>("separator");
    QTest::addColumn<Units>("unit");
    QTest::addColumn<RuntimeError>("error");
    QTest::addColumn<bool>("storesFrequency");
    QTest::addColumn<float>("frequency");
    QTest::addColumn<LengthAfter>("length");

    // Which texts the reader rejects is tst_numbertext's; one shows the press.
    QTest::newRow("letters") << std::string("abc") << Dot << Feet << RuntimeError::TypeMismatch << false << 0.0f
                             << LengthAfter::Unchanged;

    QTest::newRow("1E39 overflows when read")
        << std::string("1E39") << Dot << Feet << RuntimeError::Overflow << false << 0.0f << LengthAfter::Unchanged;
    QTest::newRow("-1E39 overflows when read, metres")
        << std::string("-1E39") << Dot << Metric << RuntimeError::Overflow << false << 0.0f << LengthAfter::Unchanged;

    QTest::newRow("initial 000.000 feet") << std::string("000.000") << Dot << Feet << RuntimeError::DivisionByZero
                                          << true << 0.0f << LengthAfter::PlusInfinity;
    QTest::newRow("0 metres") << std::string("0") << Dot << Metric << RuntimeError::DivisionByZero << true << 0.0f
                              << LengthAfter::PlusInfinity;
    QTest::newRow("-0 feet gives minus infinity") << std::string("-0") << Dot << Feet << RuntimeError::DivisionByZero
                                                  << true << -0.0f << LengthAfter::MinusInfinity;
    QTest::newRow("0,0 comma locale metres") << std::string("0,0") << Comma << Metric << RuntimeError::DivisionByZero
                                             << true << 0.0f << LengthAfter::PlusInfinity;
    QTest::newRow("zero underflow 1E-50 feet") << std::string("1E-50") << Dot << Feet << RuntimeError::DivisionByZero
                                               << true << 0.0f << LengthAfter::PlusInfinity;

    QTest::newRow("1E-37 feet overflows at the division")
        << std::string("1E-37") << Dot << Feet << RuntimeError::Overflow << true << 1e-37f << LengthAfter::PlusInfinity;
    QTest::newRow("-1E-37 metres overflows negative")
        << std::string("-1E-37") << Dot << Metric << RuntimeError::Overflow << true << -1e-37f
        << LengthAfter::MinusInfinity;
    QTest::newRow("1.4E-36 feet just past the feet limit")
        << std::string("1.4E-36") << Dot << Feet << RuntimeError::Overflow << true << 1.4e-36f
        << LengthAfter::PlusInfinity;
    QTest::newRow("4.4E-37 metres just past the metric limit")
        << std::string("4.4E-37") << Dot << Metric << RuntimeError::Overflow << true << 4.4e-37f
        << LengthAfter::PlusInfinity;
    QTest::newRow("denormal 1E-45 reads, then overflows")
        << std::string("1E-45") << Dot << Metric << RuntimeError::Overflow << true
        << std::numeric_limits<float>::denorm_min() << LengthAfter::PlusInfinity;
}

void TestCalculation::failsWithoutWritingBoxes()
{
    QFETCH(std::string, typed);
    QFETCH(std::string, separator);
    QFETCH(Units, unit);
    QFETCH(RuntimeError, error);
    QFETCH(bool, storesFrequency);
    QFETCH(float, frequency);
    QFETCH(LengthAfter, length);

    // A finished calculation first, so "unchanged" has something to keep.
    CalculationState state = withCable(RG8x);
    QVERIFY(!press(unit, state, "14.2", Dot).error);
    CalculationState expected = state;

    const Press pressed = press(unit, state, typed, separator);
    QCOMPARE(errorNumber(pressed.error), static_cast<int>(error));
    QCOMPARE(pressed.texts, QStringList());

    if (storesFrequency)
        expected.Frequency = frequency;
    if (length == LengthAfter::PlusInfinity)
        expected.OverallLength = std::numeric_limits<float>::infinity();
    if (length == LengthAfter::MinusInfinity)
        expected.OverallLength = -std::numeric_limits<float>::infinity();
    QVERIFY(sameState(state, expected));
}

void TestCalculation::frequencyBoxShowsStoredFrequency_data()
{
    QTest::addColumn<QStringList>("pressedWith"); // texts in the box at each FEET/INCHES press
    QTest::addColumn<std::string>("separator");
    QTest::addColumn<QString>("expected");

    QTest::newRow("before any calculation") << QStringList() << Dot << "0";
    QTest::newRow("after 14.200 was used") << QStringList{"14.200"} << Dot << "14.2";
    QTest::newRow("comma locale 7,1") << QStringList{"7,10"} << Comma << "7,1";
    QTest::newRow("a rejected text keeps the last frequency") << QStringList{"14.2", "abc"} << Dot << "14.2";
    QTest::newRow("an overflowing text keeps the last frequency") << QStringList{"14.2", "1E39"} << Dot << "14.2";
    QTest::newRow("zero from a failed division") << QStringList{"14.2", "000.000"} << Dot << "0";
    QTest::newRow("minus zero shows as 0") << QStringList{"-0"} << Dot << "0";
    QTest::newRow("denormal from a failed division") << QStringList{"1E-45"} << Dot << "1.401298E-45";
}

void TestCalculation::frequencyBoxShowsStoredFrequency()
{
    QFETCH(QStringList, pressedWith);
    QFETCH(std::string, separator);
    QFETCH(QString, expected);

    CalculationState state = withCable(RG8x);
    for (const QString &text : pressedWith)
        (void)press(Feet, state, text.toStdString(), separator);

    QCOMPARE(QString::fromStdString(calc::FloatToText(state.Frequency, separator)), expected);
}

void TestCalculation::splitsRecomposeTheStoredLengths_data()
{
    QTest::addColumn<Units>("unit");
    QTest::newRow("feet and inches") << Feet;
    QTest::newRow("metres and centimetres") << Metric;
}

void TestCalculation::splitsRecomposeTheStoredLengths()
{
    QFETCH(Units, unit);
    const double perLargeUnit = unit == Feet ? 12.0 : 1.0;

    std::mt19937 random(unit == Feet ? 1422u : 1498u);
    std::uniform_real_distribution<float> bands(0.1f, 500.0f);
    std::uniform_int_distribution<int> cables(-1, 19);
    for (int i = 0; i < 20000; ++i) {
        // Half from the amateur bands, half from anywhere in the float range
        // that cannot overflow.
        float frequency = bands(random);
        if (i % 2 == 1) {
            frequency = std::bit_cast<float>(static_cast<std::uint32_t>(random()));
            if (!std::isfinite(frequency) || std::fabs(frequency) < 1.5e-36f)
                continue;
        }
        if (i % 4 == 2)
            frequency = -frequency;

        char typed[32];
        std::snprintf(typed, sizeof typed, "%.9g", static_cast<double>(frequency));
        CalculationState state = withCable(cables(random));
        const Press pressed = press(unit, state, typed, Dot);
        QVERIFY2(!pressed.error, typed);
        QVERIFY2(state.Frequency == frequency, typed);

        const std::pair<float, float> splits[] = {{state.OverallMajor, state.OverallMinor},
                                                  {state.CoaxMajor, state.CoaxMinor}};
        const float lengths[] = {state.OverallLength, state.CoaxLength};
        const QString remainderTexts[] = {pressed.texts[1], pressed.texts[3]};
        for (int row = 0; row < 2; ++row) {
            const auto [major, minor] = splits[row];
            const double length = lengths[row];
            QVERIFY2(double{major} == std::floor(length), typed);

            // A fraction rounded up to a whole unit is possible only for a
            // tiny negative length; every other remainder stays below it.
            QVERIFY2(minor >= 0.0f, typed);
            if (length >= 0)
                QVERIFY2(minor < perLargeUnit, typed);
            else
                QVERIFY2(minor <= perLargeUnit, typed);

            const double slack = (std::nextafter(minor, std::numeric_limits<float>::infinity()) - minor) / 2.0;
            const double recomposed = double{major} + double{minor} / perLargeUnit;
            // The remainder may sit exactly half an ulp off (a tie), and the
            // recomposition itself rounds in double: hence the hair of margin.
            QVERIFY2(std::fabs(recomposed - length) <= slack / perLargeUnit + std::fabs(length) * 1e-15, typed);

            const float shownValue = calc::TextToFloat(remainderTexts[row].toStdString(), ".").value;
            if (unit == Metric && length >= 0)
                QVERIFY2(shownValue >= 0.0f && shownValue < 100.0f, typed);
        }
    }
}

void TestCalculation::readsAsATapeMeasure_data()
{
    QTest::addColumn<double>("length"); // in feet or metres
    QTest::addColumn<Units>("unit");
    QTest::addColumn<std::string>("step");
    QTest::addColumn<std::string>("reading");
    QTest::newRow("coax of the worked example")
        << 25 + 11.83099 / 12 << Feet << std::string() << std::string("25 FEET 11 13/16 INCHES");
    QTest::newRow("12 inches carry into the foot")
        << 4 + 11.99 / 12 << Feet << std::string("1/16") << std::string("5 FEET");
    QTest::newRow("8/16 is 1/2") << 3.5 / 12 << Feet << std::string("1/16") << std::string("3 1/2 INCHES");
    QTest::newRow("thirty-seconds") << 0.1 / 12 << Feet << std::string("1/32") << std::string("3/32 INCHES");
    QTest::newRow("nothing at all") << 0.0 << Feet << std::string("1/2") << std::string("0 INCHES");
    QTest::newRow("millimetres") << 7.911972 << Metric << std::string() << std::string("7 METERS 91.2 CM");
    QTest::newRow("a tie goes up") << 0.005 << Metric << std::string("1cm") << std::string("1 CM");
    QTest::newRow("100 cm carry into the metre") << 1.998 << Metric << std::string("5mm") << std::string("2 METERS");
}

void TestCalculation::readsAsATapeMeasure()
{
    QFETCH(double, length);
    QFETCH(Units, unit);
    QFETCH(std::string, step);
    QFETCH(std::string, reading);
    const std::optional<calc::TapeStep> tape = calc::findTapeStep(step, unit);
    QVERIFY(tape);
    QCOMPARE(calc::tapeLength(length, *tape, Dot), reading);
}

void TestCalculation::trimsTowardsTheResonance_data()
{
    QTest::addColumn<float>("resonance");
    QTest::addColumn<int>("sign"); // of the change of each wire end; 0 where the rule does not hold
    QTest::newRow("resonates below: too long, shorten") << 13.95f << -1;
    QTest::newRow("resonates above: too short, lengthen") << 14.45f << 1;
    QTest::newRow("on the target") << 14.2f << 0;
    QTest::newRow("more than 10 % above") << 15.7f << 0;
    QTest::newRow("more than 10 % below") << 12.7f << 0;
}

void TestCalculation::trimsTowardsTheResonance()
{
    QFETCH(float, resonance);
    QFETCH(int, sign);
    const float overall = 492.0f / 14.2f;
    const std::optional<double> change = calc::wireEndTrim(overall, 14.2f, resonance);
    QCOMPARE(change.has_value(), sign != 0 || resonance == 14.2f);
    if (change) {
        QCOMPARE((*change > 0) - (*change < 0), sign);
        // Both ends together make up the change of the overall length.
        QVERIFY(std::fabs(overall + 2 * *change - overall * double(resonance) / double(14.2f)) < 1e-9);
    }
}

void TestCalculation::sweepsInExactDecimalSteps()
{
    const auto swept = calc::sweepFrequencies(14, 14.35, 0.05, 10000);
    QVERIFY(swept);
    QCOMPARE(*swept, (std::vector<std::string>{"14", "14.05", "14.1", "14.15", "14.2", "14.25", "14.3", "14.35"}));
    QVERIFY(calc::sweepFrequencies(14.35, 14, 0.05, 10000)->empty());
    QCOMPARE(calc::sweepFrequencies(0.001, 10, 0.001, 10000)->back(), "10");
    QVERIFY(!calc::sweepFrequencies(1, 10001, 1, 10000));
}

QTEST_APPLESS_MAIN(TestCalculation)
#include "tst_calculation.moc"
