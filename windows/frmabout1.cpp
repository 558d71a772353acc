// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "frmabout1.h"
#include "ui_frmabout1.h"

#include "fixedwindow.h"
#include "taskbarstate.h"

#include <QKeyEvent>
#include <QShortcut>

namespace {
constexpr QPoint StoredPosition(156, 129);

bool isEnterKey(const QKeyEvent *key)
{
    // Ctrl+Enter is how a multi-line box takes a line break when its window
    // has a default button.
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !(key->modifiers() & Qt::ControlModifier);
}
}

frmAbout1::frmAbout1(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::frmAbout1>())
{
    ui->setupUi(this);
    setUpFixedWindow(*this, {}, StoredPosition);
    ui->cmdOK->setFocus(Qt::OtherFocusReason);

    // Default and cancel button in one. The text box takes Enter for itself
    // before any shortcut sees it, so it gets a filter of its own.
    for (const QKeySequence &key :
         {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Escape)}) {
        auto *shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, ui->cmdOK, &QPushButton::click);
    }
    ui->Text1->installEventFilter(this);

    connect(ui->cmdOK, &QPushButton::clicked, this, &frmAbout1::cmdOK_Click);
}

frmAbout1::~frmAbout1() = default;

bool frmAbout1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->Text1 && event->type() == QEvent::KeyPress && isEnterKey(static_cast<QKeyEvent *>(event))) {
        ui->cmdOK->click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// Each show of a hidden window maps a new native window, possibly recreated
// since the last one; the state must be on it before the window manager
// sees it.
void frmAbout1::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        keepOutOfTaskbar(*this);
    QWidget::showEvent(event);
}

// Unloads the window: the instance that opened it deletes it on close.
void frmAbout1::cmdOK_Click()
{
    close();
}
