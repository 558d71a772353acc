// SPDX-License-Identifier: MIT
#include "program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    return runProgram(application);
}
