// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "form1.h"
#include "ui_form1.h"

#include "cablecatalogue.h"
#include "numbertext.h"
#include "form2.h"
#include "errorreporter.h"
#include "formsruntime.h"
#include "frmabout1.h"
#include "web.h"

#include <QFocusEvent>
#include <QMouseEvent>

#include <initializer_list>

namespace {
// A written box shows its text from the first character, so a narrow box cuts
// off the last digits, never the leading ones.
void setBoxText(QLineEdit *box, const std::string &text)
{
    box->setText(QString::fromStdString(text));
    box->setCursorPosition(0);
}

// A result row read as one statement, as the boxes of the row show it now.
// Screen readers find it in the description of every box of the row; the
// boxes' own texts stay as they are.
void describeRow(std::string_view row, QLineEdit *whole, QLineEdit *largeUnit, QLineEdit *remainder,
                 QLineEdit *smallUnit)
{
    const QString statement =
        QString::fromStdString(calc::rowStatement(row, whole->text().toStdString(), largeUnit->text().toStdString(),
                                                  remainder->text().toStdString(), smallUnit->text().toStdString()));
    for (QLineEdit *box : {whole, largeUnit, remainder, smallUnit})
        box->setAccessibleDescription(statement);
}
}

Form1::Form1(calc::CalculationState &module1, FormsRuntime &runtime, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::Form1>())
    , m_module1(module1)
    , m_runtime(runtime)
    , m_frmAbout1([] { return std::make_unique<frmAbout1>(); })
    , m_Form2([] { return std::make_unique<Form2>(); })
    , m_web([&runtime] { return std::make_unique<web>(runtime); })
{
    ui->setupUi(this);

    // A pick counts each time, also of the entry already selected: the
    // selection change covers mouse and keyboard, the click a repeated pick.
    connect(ui->List1, &QListWidget::pressed, this, [this] { m_list1PickedSincePress = false; });
    connect(ui->List1, &QListWidget::itemSelectionChanged, this, [this] {
        m_list1PickedSincePress = true;
        List1_Click();
    });
    connect(ui->List1, &QListWidget::clicked, this, [this] {
        if (!m_list1PickedSincePress)
            List1_Click();
    });
    connect(ui->Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(ui->Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(ui->mnuWeb, &QPushButton::clicked, this, &Form1::mnuWeb_Click);
    connect(ui->Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(ui->Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    ui->Text12->installEventFilter(this);
    for (QLineEdit *box : {ui->Text2, ui->Text3, ui->Text4, ui->Text5, ui->Text6, ui->Text7, ui->Text8, ui->Text9}) {
        connect(box, &QLineEdit::textChanged, this, &Form1::describeResultRows);
        box->installEventFilter(this);
    }

    Form_Load();
    describeResultRows();
}

Form1::~Form1() = default;

// The frequency box and the result boxes are watched: a click into the
// frequency box runs its handler, and a box the focus leaves shows its text
// from the first character again, as a written one does. Scrolled to where
// the cursor was, "7.774658" would read as "774658". The focus only leaves
// for another control: while the window is merely inactive the box keeps
// its cursor, as Qt keeps its selection then.
bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->Text12 && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && ui->Text12->rect().contains(mouse->position().toPoint()))
            Text12_Click();
    } else if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            static_cast<QLineEdit *>(watched)->setCursorPosition(0);
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::Form_Load()
{
    ui->List1->clear();
    for (const calc::CableType &cable : calc::CableCatalogue)
        ui->List1->addItem(QString::fromUtf8(cable.displayName.data(), qsizetype(cable.displayName.size())));
}

void Form1::List1_Click()
{
    const QModelIndexList selected = ui->List1->selectionModel()->selectedIndexes();
    const int position = selected.isEmpty() ? -1 : selected.first().row();
    calc::selectCable(m_module1, static_cast<std::int16_t>(position));
}

void Form1::Command1_Click()
{
    m_frmAbout1.show();
}

void Form1::Command2_Click()
{
    m_Form2.show();
}

void Form1::mnuWeb_Click()
{
    m_web.show();
}

void Form1::Command3_Click()
{
    finishCalculation(calculate(calc::Units::FeetAndInches));
}

void Form1::Command4_Click()
{
    finishCalculation(calculate(calc::Units::MetresAndCentimetres));
}

// Unlike a result box, the frequency box is written to be typed on: setText
// leaves the cursor at the end, so that a digit typed next continues the
// number shown ("0", then 7, is 7 MHz) instead of standing in front of it.
void Form1::Text12_Click()
{
    ui->Text12->setText(QString::fromStdString(calc::FloatToText(m_module1.Frequency, m_runtime.decimalSeparator)));
}

void Form1::describeResultRows()
{
    describeRow(calc::OverallLengthRow, ui->Text2, ui->Text3, ui->Text5, ui->Text4);
    describeRow(calc::CoaxSectionRow, ui->Text6, ui->Text7, ui->Text9, ui->Text8);
}

// Whoever cannot see the boxes hears both rows at once, wherever the focus
// is; a failed calculation changed no box and is heard through its report.
void Form1::finishCalculation(std::optional<calc::RuntimeError> error)
{
    if (error)
        m_runtime.errors.report(*error);
    else
        m_announcer.announce(
            QStringList{ui->Text2->accessibleDescription(), ui->Text6->accessibleDescription()}.join(u". ") + u'.');
}

std::optional<calc::RuntimeError> Form1::calculate(calc::Units units)
{
    const calc::LengthResult result = calc::calculateLengths(ui->Text12->text().toStdString(), m_module1.VelocityFactor,
                                                             units, m_runtime.decimalSeparator);
    result.storeInto(m_module1);
    if (result.split) {
        const calc::ResultTexts &texts = result.split->texts;
        setBoxText(ui->Text2, texts.overallWhole);
        setBoxText(ui->Text5, texts.overallRemainder);
        setBoxText(ui->Text6, texts.coaxWhole);
        setBoxText(ui->Text9, texts.coaxRemainder);
        setBoxText(ui->Text3, texts.largeUnit);
        setBoxText(ui->Text7, texts.largeUnit);
        setBoxText(ui->Text4, texts.smallUnit);
        setBoxText(ui->Text8, texts.smallUnit);
    }
    return result.error;
}
