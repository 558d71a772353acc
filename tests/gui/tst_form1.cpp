// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
// The main window driven through its real controls, as a user would.

#include "guifixture.h"

#include "cablecatalogue.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using calc::RuntimeError;

class TestForm1 : public GuiTestCase
{
    Q_OBJECT

private:
    QListWidget *list() const { return program->control<QListWidget>("List1"); }

private Q_SLOTS:
    void startsWithItsTextsAndAnUnpickedCableList()
    {
        QCOMPARE(program->box("Text12")->text(), QStringLiteral("000.000"));
        QCOMPARE(program->resultTexts(),
                 QStringList({"000", "00.00", "000", "00.00", "FEET", "FEET", "INCHES", "INCHES"}));
        QCOMPARE(list()->count(), int(calc::CableCatalogue.size()));
        QVERIFY(list()->selectedItems().isEmpty());
    }

    // Each way a form's properties take effect, once: the form's colour
    // fills the form but stays out of its controls' palettes (where it would
    // tint the buttons' outlines); a control's own colours and font size; a
    // control with none keeps the style's.
    void controlsShowWhatTheirPropertiesName_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QPoint>("point"); // where its background shows
        QTest::newRow("form background") << "Form1" << QPoint(660, 3);
        QTest::newRow("control colours and font size") << "Text12" << QPoint(3, 3);
        QTest::newRow("control without properties") << "Command3" << QPoint();
    }

    void controlsShowWhatTheirPropertiesName()
    {
        QFETCH(QString, control);
        QFETCH(QPoint, point);
        QWidget *widget =
            control == program->form1->objectName() ? program->form1 : program->control<QWidget>(qPrintable(control));
        QVERIFY(widget);
        const QVariant back = widget->property("backColor");
        const QVariant fore = widget->property("foreColor");
        const QVariant pixelSize = widget->property("fontPixelSize");
        if (point.isNull())
            QCOMPARE(widget->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Window));
        else
            QCOMPARE(pixelAt(widget, point), back.value<QColor>());
        if (fore.isValid())
            QCOMPARE(widget->palette().color(widget->foregroundRole()), fore.value<QColor>());
        QCOMPARE(widget->font().pixelSize(),
                 pixelSize.isValid() ? pixelSize.toInt() : QApplication::font().pixelSize());
    }

    void calculatesThroughTheControls_data() { addKnownResultRows(); }

    void calculatesThroughTheControls()
    {
        QFETCH(KnownResult, known);
        calculate(*program, known);
        QCOMPARE(program->resultTexts(), known.results);
        QVERIFY(program->errors.reports.empty());
        // A narrow box shows the leading digits of what was written.
        for (const char *name : {"Text2", "Text5", "Text6", "Text9"})
            QCOMPARE(program->box(name)->cursorPosition(), 0);
    }

    void keepsResultsWhenTheCableChanges()
    {
        calculate(*program, KnownResults[0]);
        const QStringList shown = program->resultTexts();

        program->pickCable(18);
        QCOMPARE(program->module1.VelocityFactor, calc::CableCatalogue[18].velocityFactor);
        QCOMPARE(program->resultTexts(), shown);

        program->press("Command3");
        QCOMPARE(program->box("Text6")->text(), QStringLiteral("29"));
    }

    void picksCablesByKeyboardAndDeselection()
    {
        const int last = int(calc::CableCatalogue.size()) - 1;
        program->pickCable(0);
        QCOMPARE(program->module1.VelocityFactor, calc::CableCatalogue.front().velocityFactor);
        QTest::keyClick(list(), Qt::Key_End);
        QCOMPARE(program->module1.CableIndex, float(last));
        QCOMPARE(program->module1.VelocityFactor, calc::CableCatalogue.back().velocityFactor);

        // Ctrl+click takes the selection away: position -1, factor kept.
        program->pickCable(last, Qt::ControlModifier);
        QCOMPARE(program->module1.CableIndex, -1.0f);
        QCOMPARE(program->module1.VelocityFactor, calc::CableCatalogue.back().velocityFactor);

        program->pickCable(last);
        QCOMPARE(program->module1.CableIndex, float(last));
    }

    void reportsErrorsAndKeepsEverything_data()
    {
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("button");
        QTest::addColumn<RuntimeError>("error");

        QTest::newRow("initial 000.000 feet") << "000.000"
                                              << "Command3" << RuntimeError::DivisionByZero;
        QTest::newRow("zero metric") << "0"
                                     << "Command4" << RuntimeError::DivisionByZero;
        QTest::newRow("letters") << "abc"
                                 << "Command3" << RuntimeError::TypeMismatch;
        QTest::newRow("empty box") << ""
                                   << "Command4" << RuntimeError::TypeMismatch;
        QTest::newRow("beyond float range") << "1E39"
                                            << "Command3" << RuntimeError::Overflow;
        QTest::newRow("quotient beyond float range") << "1E-37"
                                                     << "Command4" << RuntimeError::Overflow;
    }

    void reportsErrorsAndKeepsEverything()
    {
        QFETCH(QString, frequency);
        QFETCH(QString, button);
        QFETCH(RuntimeError, error);

        program->box("Text13")->setText(QStringLiteral("typed by the user"));
        program->pickCable(4);
        program->typeFrequency(frequency);
        const QStringList before = program->resultTexts();

        program->press(qPrintable(button));

        QCOMPARE(program->errors.reports, std::vector<RuntimeError>{error});
        QCOMPARE(program->resultTexts(), before);
        QCOMPARE(program->box("Text12")->text(), frequency);
        QCOMPARE(program->box("Text13")->text(), QStringLiteral("typed by the user"));
        QVERIFY(program->form1->isVisible());
    }

    void clickIntoFrequencyBoxWritesStoredFrequency()
    {
        QTest::mouseClick(program->box("Text12"), Qt::LeftButton);
        QCOMPARE(program->box("Text12")->text(), QStringLiteral("0"));

        program->typeFrequency(QStringLiteral("14.200"));
        program->press("Command3");
        program->typeFrequency(QStringLiteral("7.1"));
        // Already focused, clicked again: each click writes the box.
        QTest::mouseClick(program->box("Text12"), Qt::LeftButton);
        QCOMPARE(program->box("Text12")->text(), QStringLiteral("14.2"));
        QTest::keyClicks(program->box("Text12"), QStringLiteral("5"));
        QTest::mouseClick(program->box("Text12"), Qt::LeftButton);
        QCOMPARE(program->box("Text12")->text(), QStringLiteral("14.2"));
    }

    // Typing after a click continues the number the click wrote back.
    void typingAfterAClickContinuesTheFrequency_data()
    {
        QTest::addColumn<bool>("calculatedBefore");
        QTest::newRow("first click, 0 and 7 is 7 MHz") << false;
        QTest::newRow("click after a calculation") << true;
    }

    void typingAfterAClickContinuesTheFrequency()
    {
        QFETCH(bool, calculatedBefore);
        if (calculatedBefore)
            calculate(*program, KnownResults.front());
        QLineEdit *frequency = program->box("Text12");
        QTest::mouseClick(frequency, Qt::LeftButton);
        const QString clicked = frequency->text();
        QTest::keyClicks(frequency, QStringLiteral("7"));
        program->press("Command3");
        QCOMPARE(program->module1.Frequency, (clicked + u'7').toFloat());
    }

    // A box the focus has left shows its text from the first character: one
    // too narrow for it cuts the end, never the start.
    void leftBoxShowsItsTextFromTheStart_data()
    {
        QTest::addColumn<QByteArray>("box");
        QTest::addColumn<QString>("typed");
        QTest::newRow("overall inches") << QByteArray("Text5") << QString();
        QTest::newRow("coax inches") << QByteArray("Text9") << QString();
        QTest::newRow("frequency, typed long") << QByteArray("Text12") << QStringLiteral("000000000");
    }

    void leftBoxShowsItsTextFromTheStart()
    {
        QFETCH(QByteArray, box);
        QFETCH(QString, typed);
        // The character at the box's left edge as last painted: 0 when the
        // text is shown from its start.
        const auto firstShown = [](QLineEdit *shown) {
            shown->grab();
            return shown->cursorPositionAt(QPoint(0, shown->height() / 2));
        };

        calculate(*program, KnownResults.front());
        QLineEdit *shown = program->box(box.constData());
        QTest::mouseClick(shown, Qt::LeftButton, {}, QPoint(shown->width() - 3, shown->height() / 2));
        QTest::keyClicks(shown, typed);
        QTest::keyClick(shown, Qt::Key_End);
        QVERIFY2(firstShown(shown) > 0, "too wide for the box, scrolled to its end while edited");
        QTest::mouseClick(program->box("Text13"), Qt::LeftButton);
        QCOMPARE(firstShown(shown), 0);
    }

    // A press in the box and a release outside it is a drag, not a click:
    // what was typed stays.
    void dragOutOfFrequencyBoxKeepsWhatWasTyped()
    {
        QLineEdit *frequency = program->box("Text12");
        program->typeFrequency(QStringLiteral("7.1"));
        QTest::mousePress(frequency, Qt::LeftButton, {}, frequency->rect().center());
        QTest::mouseRelease(frequency, Qt::LeftButton, {}, frequency->rect().bottomRight() + QPoint(10, 10));
        QCOMPARE(frequency->text(), QStringLiteral("7.1"));
    }

    void resultBoxesStandOnTheirDimensionLines_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("dimensionLine");
        QTest::addColumn<QString>("leftMark");
        QTest::addColumn<QString>("rightMark");

        QTest::newRow("overall length") << "overall" << QStringList{"Text2", "Text3", "Text5", "Text4"} << "Line3"
                                        << "Line1"
                                        << "Line2";
        QTest::newRow("coax section") << "coax" << QStringList{"Text6", "Text7", "Text9", "Text8"} << "Line8"
                                      << "Line6"
                                      << "Line7";
    }

    void resultBoxesStandOnTheirDimensionLines()
    {
        QFETCH(QStringList, boxes);
        QFETCH(QString, dimensionLine);
        QFETCH(QString, leftMark);
        QFETCH(QString, rightMark);

        auto widget = [this](const QString &name) { return program->form1->findChild<QWidget *>(name); };
        const QRect placed = widget(boxes.first())->geometry();
        // Maximizing moves nothing: the boxes stay where the form puts them.
        program->form1->resize(1200, 800);
        QCoreApplication::processEvents();
        QCOMPARE(widget(boxes.first())->geometry(), placed);

        const int lineY = widget(dimensionLine)->geometry().top();
        const int left = widget(leftMark)->geometry().left();
        const int right = widget(rightMark)->geometry().left();
        int previousRight = left;
        for (const QString &name : boxes) {
            const QRect geometry = widget(name)->geometry();
            QVERIFY2(geometry.top() < lineY && lineY < geometry.bottom(), qPrintable(name));
            QVERIFY2(geometry.left() > previousRight, qPrintable(name));
            previousRight = geometry.right();
        }
        QVERIFY(previousRight <= right);
    }

    void overallEndMarkReachesTheDrawing()
    {
        auto *picture = program->control<QWidget>("Picture1");
        QCOMPARE(program->control<QWidget>("Line2")->geometry().bottom() + 1, picture->y());
    }
};

TARNWICK_GUI_TEST_MAIN(TestForm1)
#include "tst_form1.moc"
