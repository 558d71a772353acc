// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
// On a screen scaled by two every window is exactly twice its size in pixels
// and the line art stays sharp: each drawing pixel becomes a clean 2 x 2
// block, never a smoothed grey.

#include "guifixture.h"

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

class TestHighDpi : public GuiTestCase
{
    Q_OBJECT

private Q_SLOTS:
    void windowsAreTwiceTheirSize_data()
    {
        QTest::addColumn<WindowKind>("kind");

        QTest::newRow("main window") << WindowKind::Main;
        QTest::newRow("centre detail") << WindowKind::CenterDetail;
        QTest::newRow("end detail") << WindowKind::EndDetail;
        QTest::newRow("website") << WindowKind::Website;
    }

    // The sizes themselves are tst_detailwindows' to check; here they only
    // have to double.
    void windowsAreTwiceTheirSize()
    {
        QFETCH(WindowKind, kind);

        QWidget *widget = program->showWindow(kind);
        QCOMPARE(widget->devicePixelRatio(), qreal(Scale));
        QCOMPARE(widget->grab().size(), widget->size() * Scale);
    }

    void antennaDrawingStaysSharp()
    {
        const QImage shot = program->form1->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shot.size(), program->form1->size() * Scale);

        // The drawing's origin: the picture box's inside its border.
        const QWidget *picture = program->control<QWidget>("Picture1");
        const QPoint origin = (picture->pos() + picture->contentsRect().topLeft()) * Scale;
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

TARNWICK_GUI_TEST_MAIN_IN(TestHighDpi, (GuiTestEnvironment{.beforeStart = [] {
                              useOffscreenPlatform();
                              qputenv("QT_SCALE_FACTOR", QByteArray::number(Scale));
                          }}))
#include "tst_highdpi.moc"
