// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class web;
}
struct FormsRuntime;

// "Web Page Link": shows the address of the program's web page as a link.
// A click on the address, or Return or Space once the keyboard has moved to
// it, hands the browser command to the program launcher, once each time, and
// goes on at once; a launch that fails, as it starts or when the opener
// ends, is reported and the window stays. The window has no button: its
// close box closes it.
class web : public QWidget
{
    Q_OBJECT

public:
    explicit web(FormsRuntime &runtime, QWidget *parent = nullptr);
    ~web() override;

private:
    void lblWebPage_Click();

    std::unique_ptr<Ui::web> ui;
    FormsRuntime &m_runtime;
};
