// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QFrame>
#include <QImage>

// A picture box: a sunken frame that shows its bitmap unscaled at the top-left
// of its inner area, clipped there, on the button face. With autoSize it takes
// the bitmap's size plus its border. A control inside it is positioned, as any
// Qt child, from the box's outer corner: a form places it at its position in
// the bitmap plus the 2-pixel border. The bitmap is named by its file, whose
// suffix names its format. Screen readers meet it as an image, described
// by its accessible description. It takes the focus, and shows it once the
// keyboard has moved it, as the style marks focus.
class PictureBox : public QFrame
{
    Q_OBJECT
    Q_CLASSINFO("AccessibleRole", "Graphic")
    Q_PROPERTY(QString pictureFile READ pictureFile WRITE setPictureFile)
    Q_PROPERTY(bool autoSize READ autoSize WRITE setAutoSize)

public:
    explicit PictureBox(QWidget *parent = nullptr);

    QString pictureFile() const { return m_pictureFile; }
    void setPictureFile(const QString &fileName);
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void fitToPicture();

    QString m_pictureFile;
    // Kept as read: the main window's drawing has one bit a pixel, and a
    // copy in the screen's format would take 32.
    QImage m_picture;
    bool m_autoSize = false;
};
