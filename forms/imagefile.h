// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>

// Reads an image file with the reader for the format its suffix names, and
// that reader alone: left to find the format itself, Qt loads every image
// plugin to ask whether it knows the file. A null image when it cannot.
QImage readImageFile(const QString &fileName);
