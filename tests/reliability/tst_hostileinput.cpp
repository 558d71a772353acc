// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
// Text nobody means to type, pasted into the real windows: a megabyte into
// the frequency box, which the calculation reads, and 64 KB into every other
// box, digits and marks of other scripts, NUL characters and emoji. Each
// press of a unit button must end in a result or in the error the
// calculation defines for that text, and the program must go on working.

#include "../gui/guifixture.h"

#include "frmabout1.h"

#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>

#include <algorithm>
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

        QTest::newRow("Arabic-Indic digits") << QStringLiteral("\u0661\u0664.\u0662") << mismatch;
        QTest::newRow("Eastern Arabic-Indic digits and separator")
            << QStringLiteral("\u06F1\u06F4\u066B\u06F2") << mismatch;
        QTest::newRow("Arabic decimal separator") << QStringLiteral("14\u066B2") << mismatch;
        QTest::newRow("full-width digits") << QStringLiteral("\uFF11\uFF14.\uFF12") << mismatch;
        QTest::newRow("full-width full stop") << QStringLiteral("14\uFF0E2") << mismatch;
        QTest::newRow("mathematical bold digits") << QStringLiteral("\U0001D7CF\U0001D7D2.\U0001D7D0") << mismatch;
        QTest::newRow("superscript digits") << QStringLiteral("\u00B9\u2074.\u00B2") << mismatch;
        QTest::newRow("Devanagari digits") << QStringLiteral("\u0967\u096A.\u0968") << mismatch;
        QTest::newRow("right-to-left mark before the number") << QStringLiteral("\u200F14.2") << mismatch;
        QTest::newRow("left-to-right mark after the number") << QStringLiteral("14.2\u200E") << mismatch;
        QTest::newRow("right-to-left override") << QStringLiteral("\u202E2.41\u202C") << mismatch;
        QTest::newRow("zero-width space inside") << QStringLiteral("14\u200B.2") << mismatch;
        QTest::newRow("no-break spaces around") << QStringLiteral("\u00A014.2\u00A0") << mismatch;
        QTest::newRow("combining mark on a digit") << QStringLiteral("14.2\u0303") << mismatch;
        QTest::newRow("lone surrogate") << QStringLiteral("14.2") + QChar(0xD800) << mismatch;
        QTest::newRow("NUL before the number") << withNul("", "14.2") << mismatch;
        QTest::newRow("NUL inside the number") << withNul("14", ".2") << mismatch;
        QTest::newRow("NUL after the number") << withNul("14.2", "") << mismatch;
        QTest::newRow("NUL alone") << withNul("", "") << mismatch;
        QTest::newRow("emoji after the number") << QStringLiteral("14.2\U0001F4E1") << mismatch;
        QTest::newRow("emoji with skin tone and joiner")
            << QStringLiteral("\U0001F469\U0001F3FD\u200D\U0001F4BB") << mismatch;
    }

    void frequencyBoxAnswersEveryPaste()
    {
        QFETCH(QString, text);
        QFETCH(std::optional<RuntimeError>, error);

        QLineEdit *frequency = program->box("Text12");
        paste(frequency, text);
        // The box holds all of it: a box that cut a long paste short would
        // calculate from what is left.
        QCOMPARE(frequency->text().size(), text.size());

        // Both knowns are 14.2 MHz with the cable picked in init().
        const QStringList before = program->resultTexts();
        for (const KnownResult &known : KnownResults) {
            program->press(known.button());
            QCOMPARE(program->resultTexts(), error ? before : known.results);
        }

        const std::vector<RuntimeError> expected = error ? std::vector{*error, *error} : std::vector<RuntimeError>{};
        QCOMPARE(program->errors.reports, expected);
        QCOMPARE(frequency->text().size(), text.size());
        verifyStillCalculates();
    }

    void otherBoxesTakeLongPastesAndNothingReadsThem_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("boxName");
        for (int n = 1; n <= 19; ++n) {
            if (n != 12)
                QTest::addRow("Form1 Text%d", n) << "Form1" << QStringLiteral("Text%1").arg(n);
        }
        QTest::newRow("end detail Text1") << "frmAbout1"
                                          << "Text1";
    }

    void otherBoxesTakeLongPastesAndNothingReadsThem()
    {
        QFETCH(QString, window);
        QFETCH(QString, boxName);

        QWidget *owner =
            program->showWindow(window == QLatin1String("frmAbout1") ? WindowKind::EndDetail : WindowKind::Main);
        QWidget *target = owner->findChild<QWidget *>(boxName);
        QVERIFY(target);

        // Everything a number must not be, over and over.
        const QString text = repeatedTo(withNul("7,1 E+\u0661\u066B\u200F\U0001F4E1", "\u00A0-"), OtherBoxPaste);
        paste(target, text);
        const QString held = textOf(target);
        QVERIFY(!held.isEmpty());
        // A multi-line box gives its no-break spaces back as plain ones.
        const bool multiLine = qobject_cast<QTextEdit *>(target);
        QVERIFY(multiLine ? QString(text).replace(QChar(0xA0), u' ') == held : text == held);

        verifyStillCalculates();
        const bool resultBox =
            owner == program->form1
            && std::find(ResultBoxes.begin(), ResultBoxes.end(), boxName.toLatin1()) != ResultBoxes.end();
        if (!resultBox)
            QCOMPARE(textOf(target), held);
        if (owner != program->form1)
            QVERIFY(owner->isVisible());
    }
};

TARNWICK_GUI_TEST_MAIN(TestHostileInput)
#include "tst_hostileinput.moc"
