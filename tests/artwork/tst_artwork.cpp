// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

namespace {

enum class Ink { Black, White, Red, Yellow, Clear, Other };

Ink inkOf(QRgb pixel)
{
    if (qAlpha(pixel) == 0)
        return Ink::Clear;
    switch (pixel & 0xffffff) {
    case 0x000000:
        return Ink::Black;
    case 0xffffff:
        return Ink::White;
    case 0xff0000:
        return Ink::Red;
    case 0xffff00:
        return Ink::Yellow;
    default:
        return Ink::Other;
    }
}

const char *inkName(Ink ink)
{
    switch (ink) {
    case Ink::Black:
        return "black";
    case Ink::White:
        return "white";
    case Ink::Red:
        return "red";
    case Ink::Yellow:
        return "yellow";
    case Ink::Clear:
        return "transparent";
    case Ink::Other:
        break;
    }
    return "another colour";
}

QList<QRgb> paletteAt(const QByteArray &bytes, qsizetype offset, int entries)
{
    QList<QRgb> palette;
    for (int i = 0; i < entries; ++i) {
        const auto *entry = reinterpret_cast<const uchar *>(bytes.constData() + offset + 4 * i);
        palette.append(qRgb(entry[2], entry[1], entry[0]));
    }
    return palette;
}

} // namespace

class ArtworkTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void generatedFileMatchesCommittedOne_data();
    void generatedFileMatchesCommittedOne();
    void maskedPixelsLeaveTheScreenAlone_data();
    void maskedPixelsLeaveTheScreenAlone();
    void qtReadsFileAtItsSize_data();
    void qtReadsFileAtItsSize();
    void windowIconIsTheProgramIcon();
    void scalableIconIsTheProgramIcon();
    void toolRefusesBadOutputFolder_data();
    void toolRefusesBadOutputFolder();

private:
    QByteArray generated(const QString &name) const;

    QTemporaryDir m_output;
};

void ArtworkTest::initTestCase()
{
    QVERIFY(m_output.isValid());
    QProcess tool;
    tool.start(QStringLiteral(ARTWORK_TOOL), {m_output.path()});
    QVERIFY(tool.waitForFinished(60000));
    QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
    QCOMPARE(tool.exitCode(), 0);
}

QByteArray ArtworkTest::generated(const QString &name) const
{
    QFile file(m_output.filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void ArtworkTest::generatedFileMatchesCommittedOne_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qsizetype>("size");
    QTest::newRow("program icon") << "tarnwick.ico" << qsizetype{766};
    QTest::newRow("scalable icon") << "tarnwick.svg" << qsizetype{648};
    QTest::newRow("antenna drawing") << "antenna.bmp" << qsizetype{4334};
    QTest::newRow("center drawing") << "center.bmp" << qsizetype{480054};
    QTest::newRow("end drawing") << "end.bmp" << qsizetype{20862};
    QTest::newRow("hand cursor") << "hand.cur" << qsizetype{326};
}

void ArtworkTest::generatedFileMatchesCommittedOne()
{
    QFETCH(QString, name);
    QFETCH(qsizetype, size);
    const QByteArray fresh = generated(name);
    QCOMPARE(fresh.size(), size);
    QFile committed(QStringLiteral(COMMITTED_RESOURCES "/") + name);
    QVERIFY2(committed.open(QIODevice::ReadOnly), qPrintable(committed.fileName()));
    QVERIFY2(committed.readAll() == fresh, "the committed file is stale: run the artwork tool on resources/ again");
}

void ArtworkTest::maskedPixelsLeaveTheScreenAlone_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("bitsPerPixel");
    QTest::newRow("icon") << "tarnwick.ico" << 4;
    QTest::newRow("cursor") << "hand.cur" << 1;
}

// Where the mask lets the screen through, the screen is XORed with the colour
// image; anything but black there would show as inverted pixels.
void ArtworkTest::maskedPixelsLeaveTheScreenAlone()
{
    QFETCH(QString, name);
    QFETCH(int, bitsPerPixel);
    const QByteArray bytes = generated(name);
    constexpr int side = 32;
    const int paletteOffset = 22 + 40;
    const QList<QRgb> palette = paletteAt(bytes, paletteOffset, 1 << bitsPerPixel);
    const int colourOffset = paletteOffset + 4 * int(palette.size());
    const int colourStride = side * bitsPerPixel / 8;
    const int maskOffset = colourOffset + side * colourStride;
    constexpr int maskStride = side / 8;
    int masked = 0;
    for (int row = 0; row < side; ++row)
        for (int x = 0; x < side; ++x) {
            const auto maskByte = uchar(bytes[maskOffset + row * maskStride + x / 8]);
            if (!(maskByte & (0x80 >> (x % 8))))
                continue;
            ++masked;
            const int bit = x * bitsPerPixel;
            const auto colourByte = uchar(bytes[colourOffset + row * colourStride + bit / 8]);
            const int index = (colourByte >> (8 - bitsPerPixel - bit % 8)) & ((1 << bitsPerPixel) - 1);
            QVERIFY2(palette[index] == qRgb(0, 0, 0),
                     qPrintable(QStringLiteral("pixel %1, %2 from the top").arg(x).arg(side - 1 - row)));
        }
    QVERIFY(masked > 0);
}

void ArtworkTest::qtReadsFileAtItsSize_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("program icon") << "tarnwick.ico" << QSize(32, 32);
    QTest::newRow("window icon") << "tarnwick.xpm" << QSize(32, 32);
    QTest::newRow("antenna drawing") << "antenna.bmp" << QSize(379, 89);
    QTest::newRow("center drawing") << "center.bmp" << QSize(400, 400);
    QTest::newRow("end drawing") << "end.bmp" << QSize(400, 400);
    QTest::newRow("hand cursor") << "hand.cur" << QSize(32, 32);
}

void ArtworkTest::qtReadsFileAtItsSize()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QImageReader reader(m_output.filePath(name));
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), size);
}

// The windows show the program icon from its .xpm twin: every pixel, and
// every transparent one, must agree.
void ArtworkTest::windowIconIsTheProgramIcon()
{
    const QImage programIcon(m_output.filePath(QStringLiteral("tarnwick.ico")));
    const QImage windowIcon(m_output.filePath(QStringLiteral("tarnwick.xpm")));
    QVERIFY(!programIcon.isNull() && !windowIcon.isNull());
    QCOMPARE(windowIcon.convertToFormat(QImage::Format_ARGB32), programIcon.convertToFormat(QImage::Format_ARGB32));
}

// Menus and software centres show the scalable icon at 256 px, drawn with
// true circles. Across the designed icon's middle row and down its middle
// column, every run of one ink, the thin black rings too, must show that
// ink in the middle of where it lies at 256 px.
void ArtworkTest::scalableIconIsTheProgramIcon()
{
    const QImage designed =
        QImage(m_output.filePath(QStringLiteral("tarnwick.ico"))).convertToFormat(QImage::Format_ARGB32);
    QSvgRenderer scalable(m_output.filePath(QStringLiteral("tarnwick.svg")));
    QVERIFY(!designed.isNull() && scalable.isValid());
    constexpr int size = 256;
    const int scale = size / designed.width();
    QImage rendered(size, size, QImage::Format_ARGB32_Premultiplied);
    rendered.fill(Qt::transparent);
    QPainter painter(&rendered);
    scalable.render(&painter);
    painter.end();
    rendered = rendered.convertToFormat(QImage::Format_ARGB32);

    const int middle = designed.width() / 2;
    const int across = middle * scale + scale / 2;
    for (const bool alongRow : {true, false}) {
        const auto designedAt = [&](int i) { return alongRow ? designed.pixel(i, middle) : designed.pixel(middle, i); };
        int runStart = 0;
        for (int i = 1; i <= designed.width(); ++i) {
            if (i < designed.width() && designedAt(i) == designedAt(runStart))
                continue;
            const int along = (runStart + i) * scale / 2;
            const Ink want = inkOf(designedAt(runStart));
            const Ink found = inkOf(alongRow ? rendered.pixel(along, across) : rendered.pixel(across, along));
            QVERIFY2(found == want, qPrintable(QStringLiteral("%1 at %2 %3, where the designed icon has %4")
                                                   .arg(inkName(found), alongRow ? "x" : "y")
                                                   .arg(along)
                                                   .arg(inkName(want))));
            runStart = i;
        }
    }
}

void ArtworkTest::toolRefusesBadOutputFolder_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no folder given") << QStringList{};
    QTest::newRow("folder does not exist") << QStringList{m_output.filePath("missing/deeper")};
    QTest::newRow("two folders") << QStringList{m_output.path(), m_output.path()};
}

void ArtworkTest::toolRefusesBadOutputFolder()
{
    QFETCH(QStringList, arguments);
    QProcess tool;
    tool.start(QStringLiteral(ARTWORK_TOOL), arguments);
    QVERIFY(tool.waitForFinished(60000));
    QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
    QVERIFY(tool.exitCode() != 0);
    QVERIFY(!tool.readAllStandardError().isEmpty());
}

QTEST_GUILESS_MAIN(ArtworkTest)
#include "tst_artwork.moc"
