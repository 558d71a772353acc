// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
// Renders the program icon at one of the desktop's icon sizes. Nearest
// neighbour keeps the pixel art crisp at every size.

#include <QCoreApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s ICON SIZE OUTPUT.png\n", argv[0]);
        return 2;
    }
    const QImage icon(QString::fromLocal8Bit(argv[1]));
    const int size = QString::fromLatin1(argv[2]).toInt();
    if (icon.isNull() || size <= 0) {
        std::fprintf(stderr, "cannot read %s or size %s\n", argv[1], argv[2]);
        return 1;
    }
    const QImage rendered =
        icon.convertToFormat(QImage::Format_ARGB32).scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return rendered.save(QString::fromLocal8Bit(argv[3]), "PNG") ? 0 : 1;
}
