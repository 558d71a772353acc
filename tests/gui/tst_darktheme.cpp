// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
// Every window reads under a dark desktop theme at least as well as under
// the light scheme its colours were chosen for: each text stands out from
// its own background no less, and the dimension lines stay dark. CTest runs
// this with GNOME's dark theme on an X server of its own.

#include "guifixture.h"

#include "linecontrol.h"

#include <QAbstractButton>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTextEdit>

#include <algorithm>
#include <cmath>
#include <map>

namespace {
bool themeWasDark = false;

double relativeLuminance(QColor colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

// The contrast ratio of the text against the background, taking the
// commonest colour as the background and the colour furthest from it as
// the text.
double textContrast(const QImage &image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    }
    const QRgb background = std::max_element(counts.keyValueBegin(), counts.keyValueEnd(), [](auto a, auto b) {
                                return a.second < b.second;
                            })->first;
    const double backgroundLuminance = relativeLuminance(QColor(background));
    double best = 1.0;
    for (const QRgb colour : counts.keys()) {
        const double luminance = relativeLuminance(QColor(colour));
        best = std::max(best, (std::max(luminance, backgroundLuminance) + 0.05)
                                  / (std::min(luminance, backgroundLuminance) + 0.05));
    }
    return best;
}

bool showsText(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return !label->text().isEmpty();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return !button->text().isEmpty();
    return qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QTextEdit *>(widget)
           || qobject_cast<const QListWidget *>(widget);
}

// The text contrast of every control of every window, by window and name,
// after a calculation, in whatever palette the application has now.
std::map<QString, double> measureTextContrasts()
{
    std::map<QString, double> contrasts;
    TestProgram program;
    program.showWindow(WindowKind::Main);
    calculate(program, KnownResults[0]);
    for (const WindowKind kind :
         {WindowKind::Main, WindowKind::CenterDetail, WindowKind::EndDetail, WindowKind::Website}) {
        QWidget *window = program.showWindow(kind);
        for (QWidget *control : window->findChildren<QWidget *>()) {
            if (showsText(control))
                contrasts[window->objectName() + u'.' + control->objectName()] =
                    textContrast(control->grab().toImage());
        }
    }
    return contrasts;
}
}

class TestDarkTheme : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theDesktopThemeIsDark() { QVERIFY2(themeWasDark, "the dark desktop theme did not load"); }

    // The light run comes second: a palette the test sets stays set.
    void everyTextReadsAsInTheLightScheme()
    {
        const std::map<QString, double> underDarkTheme = measureTextContrasts();
        QApplication::setPalette(QPalette(QColor(239, 239, 239)));
        const std::map<QString, double> underLightScheme = measureTextContrasts();

        QCOMPARE(underDarkTheme.size(), underLightScheme.size());
        for (const auto &[control, contrast] : underLightScheme) {
            QVERIFY2(underDarkTheme.at(control) >= contrast - 0.01,
                     qPrintable(QStringLiteral("%1: %2 against %3 in the light scheme")
                                    .arg(control)
                                    .arg(underDarkTheme.at(control))
                                    .arg(contrast)));
        }
    }

    void dimensionLinesAreDark()
    {
        TestProgram program;
        program.showWindow(WindowKind::Main);
        const QList<LineControl *> lines = program.form1->findChildren<LineControl *>();
        QCOMPARE(lines.size(), 10);
        for (LineControl *line : lines) {
            const QImage image = line->grab().toImage();
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x)
                    QVERIFY2(QColor(image.pixel(x, y)).lightness() < 64, qPrintable(line->objectName()));
            }
        }
    }
};

// Notes what the desktop's theme gave the application before the program's
// look is applied over it.
// On the desktop CTest gives it, and its theme as that desktop started it.
TARNWICK_GUI_TEST_MAIN_IN(TestDarkTheme,
                          (GuiTestEnvironment{.beforeStart = nullptr, .started = [] {
                                                  themeWasDark =
                                                      QApplication::palette().color(QPalette::Window).lightness() < 128;
                                              }}))
#include "tst_darktheme.moc"
