// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

#include "announcer.h"
#include "windowinstance.h"
#include "lengthcalculation.h"

#include <QWidget>

#include <memory>

namespace Ui {
class Form1;
}
namespace calc {
struct CalculationState;
}
struct FormsRuntime;
class Form2;
class frmAbout1;
class web;

// The main window. The user types a frequency into Text12 and picks a cable
// in List1, whose handler stores the cable's velocity factor in the program's
// CalculationState. A unit button (Command3 "FEET/INCHES", Command4
// "METER/CM") hands the text of Text12 and that factor to the calculator,
// which returns the lengths, split into whole and remainder, as numbers and
// as texts, or the error it stopped at. The handler stores what came back in
// the CalculationState and writes the texts into the result boxes on the
// dimension lines (Text2/Text5 overall, Text6/Text9 coax section) and the
// unit words beside them. A click into Text12 writes the stored frequency
// back. Three buttons open the detail and website windows. Errors of a
// handler go to the program's error reporter. For screen readers every
// result row is described as one sentence whenever one of its boxes changes,
// and a calculation is announced as soon as it is done.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    Form1(calc::CalculationState &module1, FormsRuntime &runtime, QWidget *parent = nullptr);
    ~Form1() override;

    WindowInstance<frmAbout1> &endDetail() { return m_frmAbout1; }
    WindowInstance<Form2> &centerDetail() { return m_Form2; }
    WindowInstance<web> &website() { return m_web; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void List1_Click();
    void Command1_Click();
    void Command2_Click();
    void mnuWeb_Click();
    void Command3_Click();
    void Command4_Click();
    void Text12_Click();

    void describeResultRows();
    void finishCalculation(std::optional<calc::RuntimeError> error);

    std::optional<calc::RuntimeError> calculate(calc::Units units);

    std::unique_ptr<Ui::Form1> ui;
    calc::CalculationState &m_module1;
    FormsRuntime &m_runtime;
    bool m_list1PickedSincePress = false;
    Announcer m_announcer{this};
    WindowInstance<frmAbout1> m_frmAbout1;
    WindowInstance<Form2> m_Form2;
    WindowInstance<web> m_web;
};
