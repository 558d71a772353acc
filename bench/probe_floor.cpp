// SPDX-License-Identifier: MIT
// The floor: the least a Qt Widgets program does to put a window of the main
// window's size on screen, with the same application set-up as the program
// and built with the same flags. With TARNWICK_PROBE_FORMS_LOOK it also takes
// the program's look (font substitution and style), which tells that step's
// share of the start-up apart from the window's.
#include "firstpaint.h"

#ifdef TARNWICK_PROBE_FORMS_LOOK
#include "formsruntime.h"
#endif

#include <QApplication>
#include <QWidget>

namespace {
// Form1's client area.
constexpr int WindowWidth = 667;
constexpr int WindowHeight = 360;
}

int main(int argc, char *argv[])
{
    const int firstPaintFd = takeFirstPaintOption(argc, argv);
    QApplication application(argc, argv);
    if (firstPaintFd >= 0)
        reportFirstPaintTo(firstPaintFd);
    QApplication::setApplicationName(QStringLiteral("tarnwick"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
#ifdef TARNWICK_PROBE_FORMS_LOOK
    applyFormsLook(application);
#endif

    QWidget window;
    window.resize(WindowWidth, WindowHeight);
    window.setWindowTitle(QStringLiteral("floor"));
    window.show();
    return QApplication::exec();
}
