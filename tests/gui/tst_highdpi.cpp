// SPDX-License-Identifier: MIT
// On a screen scaled by two every window is exactly twice its designed size
// and the line art stays sharp: each drawing pixel becomes a clean 2 x 2
// block, never a smoothed grey.

#include "guifixture.h"

#include "form2.h"
#include "frmabout1.h"
#include "web.h"

#include <QImage>
#include <QPixmap>
#include <QWindow>

namespace {
constexpr int Scale = 2;

bool isPureBlackOrWhite(QRgb pixel)
{
    return pixel == qRgb(0, 0, 0) || pixel == qRgb(255, 255, 255);
}
}

class TestHighDpi : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> program;

private Q_SLOTS:
    void init()
    {
        program = std::make_unique<TestProgram>();
        program->form1->show();
        QVERIFY(QTest::qWaitForWindowExposed(program->form1.get()));
    }

    void cleanup() { program.reset(); }

    void windowsAreTwiceTheirDesignedSize_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QSize>("designedSize");

        QTest::newRow("main window") << "Form1" << QSize(667, 360);
        QTest::newRow("centre detail") << "Form2" << QSize(422, 442);
        QTest::newRow("end detail") << "frmAbout1" << QSize(401, 438);
        QTest::newRow("website") << "web" << QSize(221, 123);
    }

    void windowsAreTwiceTheirDesignedSize()
    {
        QFETCH(QString, window);
        QFETCH(QSize, designedSize);

        QWidget *widget = program->form1.get();
        if (window == u"Form2") {
            program->form1->centerDetail().show();
            widget = program->form1->centerDetail().window();
        } else if (window == u"frmAbout1") {
            program->form1->endDetail().show();
            widget = program->form1->endDetail().window();
        } else if (window == u"web") {
            program->form1->website().show();
            widget = program->form1->website().window();
        }
        QVERIFY(QTest::qWaitForWindowExposed(widget));
        QCOMPARE(widget->devicePixelRatio(), qreal(Scale));
        QCOMPARE(widget->size(), designedSize);
        QCOMPARE(widget->grab().size(), designedSize * Scale);
    }

    void antennaDrawingStaysSharp()
    {
        const QImage shot = program->form1->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shot.size(), QSize(667, 360) * Scale);

        // The drawing's origin: the picture box at (8, 200) inside its 2-pixel border.
        const QPoint origin = (QPoint(8, 200) + QPoint(2, 2)) * Scale;
        auto drawingPixel = [&](int x, int y, int dx = 0, int dy = 0) {
            return shot.pixel(origin + QPoint(x * Scale + dx, y * Scale + dy));
        };
        // The wire, rows 10 to 13, runs across the whole width.
        for (int x : {0, 30, 200, 378})
            QCOMPARE(drawingPixel(x, 11), qRgb(0, 0, 0));

        for (int y = 0; y < 89; ++y) {
            for (int x = 0; x < 379; ++x) {
                const QRgb pixel = drawingPixel(x, y);
                QVERIFY2(isPureBlackOrWhite(pixel), qPrintable(QStringLiteral("grey at %1,%2").arg(x).arg(y)));
                for (int d = 1; d < Scale * Scale; ++d)
                    QVERIFY2(drawingPixel(x, y, d % Scale, d / Scale) == pixel,
                             qPrintable(QStringLiteral("blurred at %1,%2").arg(x).arg(y)));
            }
        }
    }
};

int main(int argc, char *argv[])
{
    qputenv("QT_SCALE_FACTOR", QByteArray::number(Scale));
    QApplication application(argc, argv);
    applyFormsLook(application);
    TestHighDpi test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_highdpi.moc"
