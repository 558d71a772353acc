// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
// Text nobody means to type, pasted into the real window: a megabyte into
// the frequency box, which the calculation reads, and 64 KB into boxes
// nothing reads, digits and marks of other scripts, NUL characters and
// emoji. Each press of a unit button must end in a result or in the error
// the calculation defines for that text, and the program must go on working.

#include "guifixture.h"

#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>

#include <optional>

using calc::RuntimeError;

namespace {

constexpr qsizetype Megabyte = qsizetype(1) << 20;
// Nothing of ours reads the other boxes: what they hold is Qt's to keep, and
// a paste this long already runs past every limit a box could have had by
// default (a single-line box's was 32767 characters).
constexpr qsizetype OtherBoxPaste = qsizetype(64) << 10;

QString repeatedTo(const QString &piece, qsizetype length)
{
    QString text;
    text.reserve(length + piece.size());
    while (text.size() < length)
        text += piece;
    return text;
}

QString withNul(const char *before, const char *after)
{
    return QString::fromUtf8(before) + QChar(u'\0') + QString::fromUtf8(after);
}

} // namespace

class TestHostileInput : public GuiTestCase
{
    Q_OBJECT

private:
    // As the user does it: focus, select everything, paste over it.
    static void paste(QWidget *box, const QString &text)
    {
        QApplication::clipboard()->setText(text);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    }

    static QString textOf(QWidget *box)
    {
        if (const auto *line = qobject_cast<QLineEdit *>(box))
            return line->text();
        return qobject_cast<QTextEdit *>(box)->toPlainText();
    }

    // The program still calculates as usual.
    void verifyStillCalculates()
    {
        QVERIFY(program->form1->isVisible());
        program->errors.reports.clear();
        for (const KnownResult &known : KnownResults) {
            paste(program->box("Text12"), known.frequency);
            program->pickCable(known.cable);
            program->press(known.button());
            QCOMPARE(program->resultTexts(), known.results);
        }
        QVERIFY(program->errors.reports.empty());
    }

private Q_SLOTS:
    void init()
    {
        GuiTestCase::init();
        program->pickCable(KnownResults[0].cable);
    }

    void frequencyBoxAnswersEveryPaste_data()
    {
        QTest::addColumn<QString>("text");
        // No error: the text is 14.2 in disguise and both buttons calculate.
        QTest::addColumn<std::optional<RuntimeError>>("error");

        const std::optional<RuntimeError> result;
        const auto mismatch = std::optional(RuntimeError::TypeMismatch);
        const auto overflow = std::optional(RuntimeError::Overflow);
        const auto divisionByZero = std::optional(RuntimeError::DivisionByZero);

        QTest::newRow("a megabyte of digits") << repeatedTo(QStringLiteral("7"), Megabyte) << overflow;
        QTest::newRow("a megabyte of zeros") << repeatedTo(QStringLiteral("0"), Megabyte) << divisionByZero;
        QTest::newRow("a megabyte-long number too small for a float")
            << QStringLiteral("0.") + repeatedTo(QStringLiteral("0"), Megabyte) + QStringLiteral("1") << divisionByZero;
        QTest::newRow("a megabyte of letters") << repeatedTo(QStringLiteral("abc"), Megabyte) << mismatch;
        QTest::newRow("a megabyte of emoji") << repeatedTo(QStringLiteral("\U0001F4E1"), Megabyte) << mismatch;
        QTest::newRow("14.2 then a megabyte of blanks")
            << QStringLiteral("14.2") + repeatedTo(QStringLiteral(" \t"), Megabyte) << result;
        QTest::newRow("14.2, a megabyte of blanks, then a letter")
            << QStringLiteral("14.2") + repeatedTo(QStringLiteral(" "), Megabyte) + QStringLiteral("x") << mismatch;
        QTest::newRow("14.2 with a line break after it") << QStringLiteral("14.2\r\n") << result;
        QTest::newRow("a line break in the middle") << QStringLiteral("14.\n2") << result;

        // What the number grammar refuses is tst_numbertext's; these show
        // that the box hands it over whole.
        QTest::newRow("Arabic-Indic digits") << QStringLiteral("\u0661\u0664.\u0662") << mismatch;
        QTest::newRow("lone surrogate") << QStringLiteral("14.2") + QChar(0xD800) << mismatch;
        QTest::newRow("NUL inside the number") << withNul("14", ".2") << mismatch;
    }

    void frequencyBoxAnswersEveryPaste()
    {
        QFETCH(QString, text);
        QFETCH(std::optional<RuntimeError>, error);

        QLineEdit *frequency = program->box("Text12");
        paste(frequency, text);
        // The box holds all of it but the line breaks: a box that cut a long
        // paste short would calculate from what is left.
        const qsizetype held = text.size() - text.count(u'\n') - text.count(u'\r');
        QCOMPARE(frequency->text().size(), held);

        // Both knowns are 14.2 MHz with the cable picked in init().
        const QStringList before = program->resultTexts();
        for (const KnownResult &known : KnownResults) {
            program->press(known.button());
            QCOMPARE(program->resultTexts(), error ? before : known.results);
        }

        const std::vector<RuntimeError> expected = error ? std::vector{*error, *error} : std::vector<RuntimeError>{};
        QCOMPARE(program->errors.reports, expected);
        QCOMPARE(frequency->text().size(), held);
        verifyStillCalculates();
    }

    // Nothing of ours reads these boxes: one of each kind shows that a long
    // paste stays whole and the program calculates on.
    void otherBoxesTakeLongPastesAndNothingReadsThem_data()
    {
        QTest::addColumn<QString>("boxName");
        QTest::newRow("single-line Text13") << "Text13";
        QTest::newRow("multi-line Text18") << "Text18";
    }

    void otherBoxesTakeLongPastesAndNothingReadsThem()
    {
        QFETCH(QString, boxName);
        QWidget *target = program->form1->findChild<QWidget *>(boxName);
        QVERIFY(target);

        // Everything a number must not be, over and over.
        const QString text = repeatedTo(withNul("7,1 E+\u0661\u066B\u200F\U0001F4E1", "\u00A0-"), OtherBoxPaste);
        paste(target, text);
        // A multi-line box gives its no-break spaces back as plain ones.
        const bool multiLine = qobject_cast<QTextEdit *>(target);
        QCOMPARE(textOf(target), multiLine ? QString(text).replace(QChar(0xA0), u' ') : text);
        const QString held = textOf(target);

        verifyStillCalculates();
        QCOMPARE(textOf(target), held);
    }
};

TARNWICK_GUI_TEST_MAIN(TestHostileInput)
#include "tst_hostileinput.moc"
