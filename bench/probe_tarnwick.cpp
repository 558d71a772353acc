// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
// The program's own start, with its first paint reported to the benchmark.
#include "firstpaint.h"
#include "program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const int firstPaintFd = takeFirstPaintOption(argc, argv);
    QApplication application(argc, argv);
    if (firstPaintFd >= 0)
        reportFirstPaintTo(firstPaintFd);
    return runProgram(application);
}
