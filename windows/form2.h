// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class Form2;
}

// "Center detail": the drawing of how the coax is opened at the antenna's
// center and joined to the feedline. Its EXIT button unloads the window.
// Enter and Esc mean nothing here: the window has no default or cancel button.
class Form2 : public QWidget
{
    Q_OBJECT

public:
    explicit Form2(QWidget *parent = nullptr);
    ~Form2() override;

private:
    void Command1_Click();

    std::unique_ptr<Ui::Form2> ui;
};
