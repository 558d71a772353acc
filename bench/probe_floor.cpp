// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
// The floor: the least a Qt Widgets program does to put a window of the main
// window's size on screen, with the same application set-up as the program
// and built with the same flags. Two variants tell shares of the program's
// start-up apart: TARNWICK_PROBE_FORMS_LOOK also takes the program's look
// (font substitution and style), and TARNWICK_PROBE_TEXT on top of that
// paints one line of text, which is what bringing up the font system costs
// any program that shows text at all.
#include "firstpaint.h"
#include "version.h"

#ifdef TARNWICK_PROBE_FORMS_LOOK
#include "formslook.h"
#endif

#include <QApplication>
#include <QWidget>

#ifdef TARNWICK_PROBE_TEXT
#include <QPainter>
#endif

namespace {
// Form1's client area.
constexpr int WindowWidth = 667;
constexpr int WindowHeight = 360;

#ifdef TARNWICK_PROBE_TEXT
class TextWindow final : public QWidget
{
protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter(this).drawText(rect(), Qt::AlignCenter, QStringLiteral("COAXIAL DIPOLES"));
    }
};
using Window = TextWindow;
#else
using Window = QWidget;
#endif
}

int main(int argc, char *argv[])
{
    const int firstPaintFd = takeFirstPaintOption(argc, argv);
    QApplication application(argc, argv);
    if (firstPaintFd >= 0)
        reportFirstPaintTo(firstPaintFd);
    QApplication::setApplicationName(QStringLiteral("tarnwick"));
    QApplication::setApplicationVersion(QStringLiteral(TARNWICK_VERSION_TEXT));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tarnwick.tarnwick"));
#ifdef TARNWICK_PROBE_FORMS_LOOK
    applyFormsLook(application);
#endif

    Window window;
    window.resize(WindowWidth, WindowHeight);
    window.setWindowTitle(QStringLiteral("floor"));
    window.show();
    return QApplication::exec();
}
