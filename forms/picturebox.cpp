// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "picturebox.h"

#include "focusmark.h"
#include "imagefile.h"

#include <QPainter>

PictureBox::PictureBox(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::setPictureFile(const QString &fileName)
{
    m_pictureFile = fileName;
    m_picture = readImageFile(fileName);
    fitToPicture();
    update();
}

void PictureBox::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    fitToPicture();
}

void PictureBox::fitToPicture()
{
    if (m_autoSize && !m_picture.isNull()) {
        const int border = 2 * frameWidth();
        resize(m_picture.deviceIndependentSize().toSize() + QSize(border, border));
    }
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    // No smoothing: the drawings are line art, and on a scaled screen each
    // pixel must stay a crisp square.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setClipRect(contentsRect());
    painter.drawImage(contentsRect().topLeft(), m_picture);
    drawFocusMark(*this, painter, contentsRect());
}
