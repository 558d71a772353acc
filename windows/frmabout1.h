// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class frmAbout1;
}

// "END DETAIL": the drawing of an antenna end, where the coax is soldered
// shut and the wire is tied to its rope, with one instruction typed over it.
// "exit" is both the default and the cancel button, so Enter and Esc unload
// the window from wherever the focus is. The window stays out of the task
// bar, and each time it is built it opens at the same place on the screen.
class frmAbout1 : public QWidget
{
    Q_OBJECT

public:
    explicit frmAbout1(QWidget *parent = nullptr);
    ~frmAbout1() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void cmdOK_Click();

    std::unique_ptr<Ui::frmAbout1> ui;
};
