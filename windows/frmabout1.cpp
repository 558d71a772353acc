// SPDX-License-Identifier: MIT
#include "frmabout1.h"

frmAbout1::frmAbout1(QWidget *parent)
    : QWidget(parent)
{
}
