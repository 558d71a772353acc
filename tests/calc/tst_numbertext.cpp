// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "numbertext.h"

#include <QTest>

#include <bit>
#include <cmath>
#include <limits>
#include <string>

using calc::RuntimeError;

Q_DECLARE_METATYPE(std::string)

namespace {

constexpr float Largest = std::numeric_limits<float>::max();
constexpr float Smallest = std::numeric_limits<float>::denorm_min();

// Bit-exact, so that -0 differs from +0 and no fuzzy compare hides a one-ulp slip.
bool sameFloat(float a, float b)
{
    return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

QByteArray describe(float actual, float expected)
{
    return QByteArray("got ") + QByteArray::number(actual, 'g', 9) + " expected "
           + QByteArray::number(expected, 'g', 9);
}

} // namespace

class TestNumberText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsNumbers_data();
    void readsNumbers();
    void rejectsNonNumbers_data();
    void rejectsNonNumbers();
    void rejectsOutOfRange_data();
    void rejectsOutOfRange();
    void writesNumbers_data();
    void writesNumbers();
};

void TestNumberText::readsNumbers_data()
{
    QTest::addColumn<std::string>("text");
    QTest::addColumn<std::string>("separator");
    QTest::addColumn<float>("expected");

    QTest::newRow("14.2") << std::string("14.2") << std::string(".") << 14.2f;
    QTest::newRow("initial box text 000.000") << std::string("000.000") << std::string(".") << 0.0f;
    QTest::newRow("minus zero keeps its sign") << std::string("-0") << std::string(".") << -0.0f;
    QTest::newRow("blanks and tabs around") << std::string(" \t 14.2\t ") << std::string(".") << 14.2f;
    QTest::newRow("leading plus") << std::string("+7.1") << std::string(".") << 7.1f;
    QTest::newRow("negative") << std::string("-14.2") << std::string(".") << -14.2f;
    QTest::newRow("separator last") << std::string("5.") << std::string(".") << 5.0f;
    QTest::newRow("separator first") << std::string(".5") << std::string(".") << 0.5f;
    QTest::newRow("exponent upper case") << std::string("1E3") << std::string(".") << 1000.0f;
    QTest::newRow("exponent with plus") << std::string("2.5e+2") << std::string(".") << 250.0f;
    QTest::newRow("exponent with minus") << std::string("-2.5e-3") << std::string(".") << -0.0025f;
    QTest::newRow("leading zeros in exponent") << std::string("1e007") << std::string(".") << 1e7f;
    QTest::newRow("comma locale 7,1") << std::string("7,1") << std::string(",") << 7.1f;
    QTest::newRow("two-byte separator 7\u066B1") << std::string("7\u066B1") << std::string("\u066B") << 7.1f;
    QTest::newRow("largest float") << std::string("3.4028235E38") << std::string(".") << Largest;
    QTest::newRow("denormal 1E-45") << std::string("1E-45") << std::string(".") << Smallest;
    QTest::newRow("negative underflow to minus zero") << std::string("-1e-50") << std::string(".") << -0.0f;
    QTest::newRow("zero with a huge exponent") << std::string("0e99999999999999999999") << std::string(".") << 0.0f;
    QTest::newRow("huge negative exponent underflows")
        << std::string("1e-99999999999999999999") << std::string(".") << 0.0f;
    QTest::newRow("tie between 1 and its successor goes to 1")
        << std::string("1.000000059604644775390625") << std::string(".") << 1.0f;
    // Read via double this lands exactly on the tie and would give 1.
    QTest::newRow("a hair above that tie rounds up")
        << std::string("1.00000005960464477539062500000001") << std::string(".") << std::nextafter(1.0f, 2.0f);

    const std::string megabyte(1 << 20, '0');
    QTest::newRow("a megabyte of zeros before the 1") << ("0." + megabyte + "1") << std::string(".") << 0.0f;
}

void TestNumberText::readsNumbers()
{
    QFETCH(std::string, text);
    QFETCH(std::string, separator);
    QFETCH(float, expected);

    const calc::ParsedNumber parsed = calc::TextToFloat(text, separator);
    QVERIFY(!parsed.error);
    QVERIFY2(sameFloat(parsed.value, expected), describe(parsed.value, expected).constData());
}

void TestNumberText::rejectsNonNumbers_data()
{
    QTest::addColumn<std::string>("text");
    QTest::addColumn<std::string>("separator");

    const std::string dot(".");
    QTest::newRow("empty") << std::string() << dot;
    QTest::newRow("only blanks") << std::string(" \t ") << dot;
    QTest::newRow("letters") << std::string("abc") << dot;
    QTest::newRow("inf") << std::string("inf") << dot;
    QTest::newRow("-Infinity") << std::string("-Infinity") << dot;
    QTest::newRow("nan") << std::string("nan") << dot;
    QTest::newRow("hex 0x10") << std::string("0x10") << dot;
    QTest::newRow("lone plus") << std::string("+") << dot;
    QTest::newRow("lone minus") << std::string("-") << dot;
    QTest::newRow("lone separator") << std::string(".") << dot;
    QTest::newRow("exponent without digits 1e") << std::string("1e") << dot;
    QTest::newRow("exponent sign without digits") << std::string("1e+") << dot;
    QTest::newRow("exponent without mantissa") << std::string("e5") << dot;
    QTest::newRow("two separators 1.2.3") << std::string("1.2.3") << dot;
    QTest::newRow("blank inside 1 2") << std::string("1 2") << dot;
    QTest::newRow("blank before exponent") << std::string("1 e5") << dot;
    QTest::newRow("two signs") << std::string("+-1") << dot;
    QTest::newRow("sign after blank after sign") << std::string("- 1") << dot;
    QTest::newRow("trailing garbage") << std::string("14.2MHz") << dot;
    QTest::newRow("fractional exponent") << std::string("1e2.5") << dot;
    QTest::newRow("newline is not a blank") << std::string("14.2\n") << dot;
    QTest::newRow("thousands separator") << std::string("1,000.5") << dot;
    QTest::newRow("dot under a comma locale") << std::string("1.5") << std::string(",");
    QTest::newRow("comma under a dot locale") << std::string("1,5") << dot;
    QTest::newRow("half of a two-byte separator") << std::string("7\xD9") << std::string("\u066B");
    QTest::newRow("currency sign") << std::string("$5") << dot;
    QTest::newRow("parentheses for negative") << std::string("(5)") << dot;
    // Digits, separators and blanks of other scripts, marks that change no
    // digit, and what a paste can carry besides.
    QTest::newRow("Arabic-Indic digits") << std::string("\u0661\u0664.\u0662") << dot;
    QTest::newRow("Eastern Arabic-Indic digits") << std::string("\u06F1\u06F4\u066B\u06F2") << std::string("\u066B");
    QTest::newRow("Arabic separator under a dot locale") << std::string("14\u066B2") << dot;
    QTest::newRow("full-width digits") << std::string("\uFF11\uFF14.\uFF12") << dot;
    QTest::newRow("full-width full stop") << std::string("14\uFF0E2") << dot;
    QTest::newRow("mathematical bold digits") << std::string("\U0001D7CF\U0001D7D2.\U0001D7D0") << dot;
    QTest::newRow("superscript digits") << std::string("\u00B9\u2074.\u00B2") << dot;
    QTest::newRow("Devanagari digits") << std::string("\u0967\u096A.\u0968") << dot;
    QTest::newRow("right-to-left mark before") << std::string("\u200F14.2") << dot;
    QTest::newRow("left-to-right mark after") << std::string("14.2\u200E") << dot;
    QTest::newRow("right-to-left override") << std::string("\u202E2.41\u202C") << dot;
    QTest::newRow("zero-width space inside") << std::string("14\u200B.2") << dot;
    QTest::newRow("no-break spaces around") << std::string("\u00A014.2\u00A0") << dot;
    QTest::newRow("combining mark on a digit") << std::string("14.2\u0303") << dot;
    QTest::newRow("NUL before") << std::string(1, '\0') + "14.2" << dot;
    QTest::newRow("NUL after") << std::string("14.2\0", 5) << dot;
    QTest::newRow("NUL alone") << std::string(1, '\0') << dot;
    QTest::newRow("emoji after the number") << std::string("14.2\U0001F4E1") << dot;
    QTest::newRow("emoji with skin tone and joiner") << std::string("\U0001F469\U0001F3FD\u200D\U0001F4BB") << dot;
}

void TestNumberText::rejectsNonNumbers()
{
    QFETCH(std::string, text);
    QFETCH(std::string, separator);

    const calc::ParsedNumber parsed = calc::TextToFloat(text, separator);
    QVERIFY(parsed.error.has_value());
    QCOMPARE(*parsed.error, RuntimeError::TypeMismatch);
}

void TestNumberText::rejectsOutOfRange_data()
{
    QTest::addColumn<std::string>("text");

    QTest::newRow("1E39") << std::string("1E39");
    QTest::newRow("-1E39") << std::string("-1E39");
    QTest::newRow("first text above the largest float") << std::string("3.4028236e38");
    QTest::newRow("overflow midpoint rounds to infinity") << std::string("340282356779733661637539395458142568448");
    QTest::newRow("huge exponent") << std::string("1e99999999999999999999");
    QTest::newRow("a megabyte of digits before the separator") << std::string("-1" + std::string(1 << 20, '0'));
}

void TestNumberText::rejectsOutOfRange()
{
    QFETCH(std::string, text);

    const calc::ParsedNumber parsed = calc::TextToFloat(text, ".");
    QVERIFY(parsed.error.has_value());
    QCOMPARE(*parsed.error, RuntimeError::Overflow);
}

void TestNumberText::writesNumbers_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<std::string>("separator");
    QTest::addColumn<std::string>("expected");

    const std::string dot(".");
    QTest::newRow("whole number 100") << 100.0f << dot << std::string("100");
    QTest::newRow("rounded to 7 digits") << 7.7746582f << dot << std::string("7.774658");
    QTest::newRow("small but plain") << 0.00014980001f << dot << std::string("0.0001498");
    QTest::newRow("below 0.0001 in exponent form") << 5.904e-5f << dot << std::string("5.904E-05");
    QTest::newRow("eight digits in exponent form") << 12345678.0f << dot << std::string("1.234568E+07");
    QTest::newRow("largest plain number") << 9999999.0f << dot << std::string("9999999");
    QTest::newRow("9999999.5 is 1E+07 as a float") << 9999999.5f << dot << std::string("1E+07");
    QTest::newRow("float just under 0.0001 rounds up into plain form") << 1e-4f << dot << std::string("0.0001");
    QTest::newRow("next float down stays exponent form")
        << std::nextafter(1e-4f, 0.0f) << dot << std::string("9.999999E-05");
    QTest::newRow("negative exponent form") << -1.5e10f << dot << std::string("-1.5E+10");
    QTest::newRow("negative plain") << -3.25f << dot << std::string("-3.25");
    QTest::newRow("zero") << 0.0f << dot << std::string("0");
    QTest::newRow("negative zero shows without sign") << -0.0f << dot << std::string("0");
    QTest::newRow("exact tie to even rounds 7 up") << 1234567.5f << dot << std::string("1234568");
    QTest::newRow("comma locale") << 7.5f << std::string(",") << std::string("7,5");
    QTest::newRow("comma in exponent form") << 3.89664e-5f << std::string(",") << std::string("3,89664E-05");
    QTest::newRow("two-byte separator") << 7.5f << std::string("\u066B") << std::string("7\u066B5");
}

void TestNumberText::writesNumbers()
{
    QFETCH(float, value);
    QFETCH(std::string, separator);
    QFETCH(std::string, expected);

    QCOMPARE(QString::fromStdString(calc::FloatToText(value, separator)), QString::fromStdString(expected));
}

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
