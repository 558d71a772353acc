// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "commandline.h"
#include "program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    CommandLine commandLine;
    if (const std::optional<int> exitCode = commandLine.answerWithoutWindow(argc, argv))
        return *exitCode;
    QApplication application(argc, argv);
    return runProgram(application);
}
