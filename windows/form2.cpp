// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "form2.h"
#include "ui_form2.h"

Form2::Form2(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::Form2>())
{
    ui->setupUi(this);
    // The picture box comes first in the tab order and so holds the focus
    // when the window opens, not the button.
    ui->Picture1->setFocus(Qt::OtherFocusReason);
    connect(ui->Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
}

Form2::~Form2() = default;

// Unloads the window: the instance that opened it deletes it on close.
void Form2::Command1_Click()
{
    close();
}
