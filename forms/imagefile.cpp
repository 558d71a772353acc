// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "imagefile.h"

#include <QFileInfo>
#include <QImageReader>

QImage readImageFile(const QString &fileName)
{
    QImageReader reader(fileName, QFileInfo(fileName).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}
