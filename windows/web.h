// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class web;
}
struct FormsRuntime;

// "Web Page Link": shows the address of the program's web page as a link.
// A click on the address hands the browser command to the program launcher,
// once per click, and goes on at once; a launch that fails is reported and
// the window stays. The window has no button: its close box closes it.
class web : public QWidget
{
    Q_OBJECT

public:
    explicit web(FormsRuntime &runtime, QWidget *parent = nullptr);
    ~web() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void lblWebPage_Click();

    std::unique_ptr<Ui::web> ui;
    FormsRuntime &m_runtime;
    bool m_lblWebPageDoubleClicked = false;
};
