// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class frmAbout1 : public QWidget
{
    Q_OBJECT

public:
    explicit frmAbout1(QWidget *parent = nullptr);
};
