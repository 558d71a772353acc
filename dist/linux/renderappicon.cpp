// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
// Writes the program icon as a PNG of one of the desktop's icon sizes: the
// designed pixels at their own size, and the scalable drawing at any other,
// so that no size is the small one blown up.

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

QImage render(const QString &source, int size)
{
    if (source.endsWith(QLatin1StringView(".svg"))) {
        QSvgRenderer drawing(source);
        if (!drawing.isValid())
            return {};
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        drawing.render(&painter);
        painter.end();
        return image.convertToFormat(QImage::Format_ARGB32);
    }
    const QImage pixels(source);
    if (pixels.size() != QSize(size, size))
        return {};
    return pixels.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s ICON.svg|ICON SIZE OUTPUT.png\n", argv[0]);
        return 2;
    }
    const QImage icon = render(QString::fromLocal8Bit(argv[1]), QString::fromLatin1(argv[2]).toInt());
    if (icon.isNull()) {
        std::fprintf(stderr, "cannot render %s at size %s\n", argv[1], argv[2]);
        return 1;
    }
    return icon.save(QString::fromLocal8Bit(argv[3]), "PNG") ? 0 : 1;
}
