// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

struct FormsRuntime;

class web : public QWidget
{
    Q_OBJECT

public:
    explicit web(FormsRuntime &runtime, QWidget *parent = nullptr);
};
