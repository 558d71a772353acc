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
// All: every pixel of the area has the ink. Any: at least one has it.
// Hatched: the area holds both black and white, as cross-hatching does.
enum class Coverage { All, Any, Hatched };

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

Q_DECLARE_METATYPE(Ink)
Q_DECLARE_METATYPE(Coverage)

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
    void drawnFeature_data();
    void drawnFeature();
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

void ArtworkTest::drawnFeature_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<Coverage>("coverage");
    QTest::addColumn<Ink>("ink");
    const auto all = Coverage::All;
    const auto any = Coverage::Any;
    const auto hatched = Coverage::Hatched;
    const auto black = Ink::Black;
    const auto white = Ink::White;

    const QString icon = "tarnwick.ico";
    QTest::newRow("icon: top-left corner transparent") << icon << QRect(0, 0, 4, 4) << all << Ink::Clear;
    QTest::newRow("icon: top-right corner transparent") << icon << QRect(28, 0, 4, 4) << all << Ink::Clear;
    QTest::newRow("icon: bottom-left corner transparent") << icon << QRect(0, 28, 4, 4) << all << Ink::Clear;
    QTest::newRow("icon: bottom-right corner transparent") << icon << QRect(28, 28, 4, 4) << all << Ink::Clear;
    QTest::newRow("icon: black outline at the rim") << icon << QRect(14, 0, 4, 1) << all << black;
    QTest::newRow("icon: outer yellow ring") << icon << QRect(15, 2, 2, 1) << all << Ink::Yellow;
    QTest::newRow("icon: thin black ring after yellow") << icon << QRect(15, 4, 2, 1) << all << black;
    QTest::newRow("icon: red ring") << icon << QRect(15, 6, 2, 1) << all << Ink::Red;
    QTest::newRow("icon: thin black ring after red") << icon << QRect(15, 8, 2, 1) << all << black;
    QTest::newRow("icon: inner yellow ring") << icon << QRect(15, 10, 2, 1) << all << Ink::Yellow;
    QTest::newRow("icon: thin black ring round the centre") << icon << QRect(15, 12, 2, 1) << all << black;
    QTest::newRow("icon: red centre disc") << icon << QRect(14, 14, 4, 4) << all << Ink::Red;

    const QString antenna = "antenna.bmp";
    QTest::newRow("antenna: wire rows 10-13 across") << antenna << QRect(0, 10, 379, 4) << all << black;
    QTest::newRow("antenna: nothing above the sleeve") << antenna << QRect(0, 0, 379, 5) << all << white;
    QTest::newRow("antenna: sleeve top, left half") << antenna << QRect(80, 5, 80, 1) << all << black;
    QTest::newRow("antenna: sleeve bottom, left half") << antenna << QRect(80, 16, 80, 1) << all << black;
    QTest::newRow("antenna: sleeve top, right half") << antenna << QRect(200, 5, 90, 1) << all << black;
    QTest::newRow("antenna: sleeve bottom, right half") << antenna << QRect(200, 16, 90, 1) << all << black;
    QTest::newRow("antenna: bare wire left of column 58") << antenna << QRect(0, 5, 58, 5) << all << white;
    QTest::newRow("antenna: bare wire right of column 302") << antenna << QRect(303, 5, 76, 5) << all << white;
    QTest::newRow("antenna: left sleeve end pointed") << antenna << QRect(58, 5, 3, 3) << all << white;
    QTest::newRow("antenna: right sleeve end pointed") << antenna << QRect(300, 14, 3, 3) << all << white;
    QTest::newRow("antenna: left taper from column 58") << antenna << QRect(58, 5, 10, 5) << any << black;
    QTest::newRow("antenna: right taper to column 302") << antenna << QRect(293, 5, 10, 5) << any << black;
    QTest::newRow("antenna: break in the sleeve") << antenna << QRect(168, 5, 19, 5) << all << white;
    QTest::newRow("antenna: left tab under the break") << antenna << QRect(163, 17, 8, 8) << any << black;
    QTest::newRow("antenna: right tab under the break") << antenna << QRect(186, 17, 8, 8) << any << black;
    QTest::newRow("antenna: feed line reaches the bottom") << antenna << QRect(155, 88, 21, 1) << any << black;
    QTest::newRow("antenna: left of the feed line empty") << antenna << QRect(0, 55, 150, 34) << all << white;
    QTest::newRow("antenna: right of the feed line empty") << antenna << QRect(181, 55, 198, 34) << all << white;
    QTest::newRow("antenna: fanned braid hatched") << antenna << QRect(150, 39, 11, 8) << hatched << black;

    const QString center = "center.bmp";
    QTest::newRow("center: margin above the lettering") << center << QRect(0, 0, 400, 5) << all << white;
    QTest::newRow("center: four heading lines") << center << QRect(0, 5, 400, 54) << any << black;
    QTest::newRow("center: gap above the coax") << center << QRect(0, 59, 400, 26) << all << white;
    QTest::newRow("center: left jacket") << center << QRect(0, 85, 86, 70) << all << black;
    QTest::newRow("center: right jacket") << center << QRect(321, 85, 79, 70) << all << black;
    QTest::newRow("center: left braid patch") << center << QRect(88, 95, 20, 50) << hatched << black;
    QTest::newRow("center: right braid patch") << center << QRect(296, 95, 20, 50) << hatched << black;
    QTest::newRow("center: exposed dielectric open") << center << QRect(150, 107, 100, 10) << all << white;
    QTest::newRow("center: line along the dielectric") << center << QRect(200, 107, 1, 26) << any << black;
    QTest::newRow("center: left solder blob") << center << QRect(115, 215, 7, 7) << all << black;
    QTest::newRow("center: right solder blob") << center << QRect(232, 227, 7, 7) << all << black;
    QTest::newRow("center: conductor reaches the feed line") << center << QRect(177, 239, 7, 5) << any << black;
    QTest::newRow("center: solder note lettering") << center << QRect(251, 219, 117, 41) << any << black;
    QTest::newRow("center: feed line lettering") << center << QRect(218, 323, 161, 11) << any << black;
    QTest::newRow("center: feed line block") << center << QRect(150, 295, 60, 105) << all << black;
    QTest::newRow("center: braid just above the block") << center << QRect(156, 282, 48, 10) << hatched << black;
    QTest::newRow("center: hidden right strip above the jacket") << center << QRect(397, 0, 3, 85) << all << white;
    QTest::newRow("center: hidden right strip below the jacket") << center << QRect(397, 155, 3, 245) << all << white;
    QTest::newRow("center: hidden bottom strip left of the block") << center << QRect(0, 365, 150, 35) << all << white;
    QTest::newRow("center: hidden bottom strip right of the block")
        << center << QRect(210, 365, 190, 35) << all << white;

    const QString end = "end.bmp";
    QTest::newRow("end: nothing above the jacket") << end << QRect(0, 0, 400, 43) << all << white;
    QTest::newRow("end: jacket block") << end << QRect(176, 43, 224, 58) << all << black;
    QTest::newRow("end: nothing right below the jacket") << end << QRect(176, 101, 224, 15) << all << white;
    QTest::newRow("end: braid cone hatched") << end << QRect(110, 60, 60, 20) << hatched << black;
    QTest::newRow("end: solder dot") << end << QRect(75, 66, 7, 7) << all << black;
    QTest::newRow("end: centre conductor to the left edge") << end << QRect(0, 70, 70, 1) << all << black;
    QTest::newRow("end: short arrow under the dot") << end << QRect(76, 90, 1, 36) << all << black;
    QTest::newRow("end: long arrow near the left edge") << end << QRect(22, 90, 1, 73) << all << black;
    QTest::newRow("end: velocity length lettering") << end << QRect(92, 116, 300, 23) << any << black;
    QTest::newRow("end: strip back lettering") << end << QRect(39, 152, 300, 42) << any << black;
    QTest::newRow("end: empty band under the text box") << end << QRect(0, 194, 400, 54) << all << white;
    QTest::newRow("end: rope top line") << end << QRect(0, 250, 160, 1) << all << black;
    QTest::newRow("end: rope bottom line") << end << QRect(0, 272, 160, 1) << all << black;
    QTest::newRow("end: squiggles in the rope") << end << QRect(0, 253, 160, 17) << hatched << black;
    QTest::newRow("end: left side of the loop") << end << QRect(163, 258, 4, 12) << any << black;
    QTest::newRow("end: eye of the loop open") << end << QRect(175, 262, 20, 8) << all << white;
    QTest::newRow("end: wire to the right edge") << end << QRect(250, 259, 150, 1) << all << black;
    QTest::newRow("end: short arrow under the loop") << end << QRect(165, 295, 1, 18) << all << black;
    QTest::newRow("end: arrow near the left edge") << end << QRect(12, 290, 1, 50) << all << black;
    QTest::newRow("end: total length lettering") << end << QRect(159, 300, 230, 30) << any << black;
    QTest::newRow("end: rope lettering") << end << QRect(20, 350, 330, 28) << any << black;
    QTest::newRow("end: nothing below the lettering") << end << QRect(0, 378, 400, 22) << all << white;

    const QString hand = "hand.cur";
    QTest::newRow("hand: clear above the finger") << hand << QRect(0, 0, 32, 9) << all << Ink::Clear;
    QTest::newRow("hand: clear left of the thumb") << hand << QRect(0, 0, 8, 32) << all << Ink::Clear;
    QTest::newRow("hand: clear right of the fingers") << hand << QRect(24, 0, 8, 32) << all << Ink::Clear;
    QTest::newRow("hand: clear below the cuff") << hand << QRect(0, 27, 32, 5) << all << Ink::Clear;
    QTest::newRow("hand: finger tip at the hot spot") << hand << QRect(13, 9, 1, 1) << all << black;
    QTest::newRow("hand: white index finger") << hand << QRect(12, 10, 2, 8) << all << white;
    QTest::newRow("hand: outline of the index finger") << hand << QRect(11, 10, 1, 6) << all << black;
    QTest::newRow("hand: bent fingers") << hand << QRect(14, 15, 10, 3) << hatched << black;
    QTest::newRow("hand: white thumb") << hand << QRect(9, 17, 2, 3) << all << white;
    QTest::newRow("hand: white palm") << hand << QRect(12, 18, 10, 5) << all << white;
    QTest::newRow("hand: solid black cuff") << hand << QRect(10, 24, 13, 3) << all << black;
}

void ArtworkTest::drawnFeature()
{
    QFETCH(QString, name);
    QFETCH(QRect, area);
    QFETCH(Coverage, coverage);
    QFETCH(Ink, ink);
    const QImage image = QImage(m_output.filePath(name)).convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!image.isNull());
    QVERIFY(image.rect().contains(area));

    int matching = 0;
    int blacks = 0;
    int whites = 0;
    QString firstMiss;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const Ink found = inkOf(image.pixel(x, y));
            matching += found == ink;
            blacks += found == Ink::Black;
            whites += found == Ink::White;
            if (found != ink && firstMiss.isEmpty())
                firstMiss = QStringLiteral("%1 at %2, %3").arg(inkName(found)).arg(x).arg(y);
        }
    switch (coverage) {
    case Coverage::All:
        QVERIFY2(matching == area.width() * area.height(), qPrintable(firstMiss));
        break;
    case Coverage::Any:
        QVERIFY2(matching > 0, qPrintable(QStringLiteral("no %1").arg(inkName(ink))));
        break;
    case Coverage::Hatched:
        QVERIFY2(blacks > 0 && whites > 0 && blacks + whites == area.width() * area.height(),
                 qPrintable(QStringLiteral("%1 black, %2 white").arg(blacks).arg(whites)));
        break;
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
