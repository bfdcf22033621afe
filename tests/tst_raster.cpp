// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/raster.h"

#include "pixels.h"
#include "referencefill.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <cstring>
#include <numbers>

using pixels::paintedRect;

namespace {

// Tiny images are drawn as text, one character per pixel, so a case and its
// expected result read like pictures.
constexpr QRgb Black = 0xFF000000;
constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Red = 0xFFFF0000;
constexpr QRgb Green = 0xFF00FF00;
constexpr QRgb Blue = 0xFF0000FF;

QRgb colorOf(QChar c)
{
    switch (c.unicode()) {
    case '#':
        return Black;
    case 'r':
        return Red;
    case 'g':
        return Green;
    case 'b':
        return Blue;
    default:
        return White;
    }
}

QChar characterOf(QRgb pixel)
{
    for (QChar c : QStringLiteral("#rgb."))
        if (colorOf(c) == pixel)
            return c;
    return u'?';
}

QImage imageOf(const QStringList &rows)
{
    QImage image(int(rows[0].size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, colorOf(rows[y][x]));
    return image;
}

QStringList artOf(const QImage &image)
{
    return pixels::artOf(image, characterOf);
}

// Every pixel a colour of its own, so a pixel copied from the wrong place shows.
QImage numbered(int width, int height, int blue)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 16 + 1, y * 16 + 1, blue));
    return image;
}

// Noise of border pixels and a few border walls, which make long passages,
// dead ends and turns back. The other pixels take the fill colour among
// others, and some pixels have an alpha that is not opaque.
QImage randomPicture(QRandomGenerator &random, QSize size, int borderPercent, QRgb border)
{
    const QRgb colors[] = {White, Red, Green, 0x00FFFFFF, 0x7F00FF00, border & 0x00FFFFFF};
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] = int(random.bounded(100)) < borderPercent ? border : colors[random.bounded(5)];
    }
    for (int wall = random.bounded(4); wall > 0; --wall) {
        const bool across = random.bounded(2);
        const QPoint from(random.bounded(size.width()), random.bounded(size.height()));
        const int length = random.bounded(across ? size.width() : size.height()) + 1;
        for (int i = 0; i < length; ++i) {
            const QPoint p = from + (across ? QPoint(i, 0) : QPoint(0, i));
            if (image.rect().contains(p))
                image.setPixel(p, colors[5]);
        }
    }
    return image;
}

// Seeds at edges and corners as often as inside, now and then outside.
QPoint randomSeed(QRandomGenerator &random, QSize size)
{
    const auto along = [&](int length) {
        const int choices[] = {0, length - 1, int(random.bounded(length)), -1, length};
        return choices[random.bounded(random.bounded(20) == 0 ? 5 : 3)];
    };
    return {along(size.width()), along(size.height())};
}

bool samePixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size() || a.format() != b.format())
        return false;
    for (int y = 0; y < a.height(); ++y) {
        if (std::memcmp(a.constScanLine(y), b.constScanLine(y), a.width() * sizeof(QRgb)) != 0)
            return false;
    }
    return true;
}

} // namespace

class TstRaster : public QObject
{
    Q_OBJECT

private slots:
    void copyIsClippedToBothSurfaces_data();
    void copyIsClippedToBothSurfaces();
    void copyIsExactFromEveryFormat_data();
    void copyIsExactFromEveryFormat();
    void copyOntoItself_data();
    void copyOntoItself();
    void copyReturnsWhatItChanged_data();
    void copyReturnsWhatItChanged();
    void copyThatChangesNothingLeavesSharedPixelsShared();
    void fill_data();
    void fill();
    void fillComparesRedGreenBlueOnly();
    void fillReturnsPaintedRect_data();
    void fillReturnsPaintedRect();
    void fillMatchesReference_data();
    void fillMatchesReference();
    void fillLargeArea();
    void dotShape_data();
    void dotShape();
    void dotPlacement_data();
    void dotPlacement();
    void dotIsClippedAtTheEdges_data();
    void dotIsClippedAtTheEdges();
};

// The source is 4 x 3, the destination 5 x 4. `copied` is the part of the
// destination that receives source pixels; the rest must stay as it was.
void TstRaster::copyIsClippedToBothSurfaces_data()
{
    QTest::addColumn<QRect>("block");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QRect>("copied");
    QTest::newRow("whole source") << QRect(0, 0, 4, 3) << QPoint(0, 0) << QRect(0, 0, 4, 3);
    QTest::newRow("part of the source to the middle")
        << QRect(2, 1, 2, 2) << QPoint(1, 0) << QRect(2, 1, 2, 2);
    QTest::newRow("block larger than both surfaces")
        << QRect(0, 0, 100, 100) << QPoint(0, 0) << QRect(0, 0, 4, 3);
    QTest::newRow("beyond the destination's right and bottom")
        << QRect(3, 2, 4, 3) << QPoint(0, 0) << QRect(3, 2, 2, 2);
    QTest::newRow("starting left of and above the destination")
        << QRect(-2, -1, 4, 3) << QPoint(0, 0) << QRect(0, 0, 2, 2);
    QTest::newRow("starting left of and above the source")
        << QRect(1, 1, 4, 3) << QPoint(-1, -2) << QRect(2, 3, 3, 1);
    QTest::newRow("beyond the source's right and bottom")
        << QRect(0, 0, 4, 3) << QPoint(2, 1) << QRect(0, 0, 2, 2);
    QTest::newRow("wholly outside the destination") << QRect(5, 0, 4, 3) << QPoint(0, 0) << QRect();
    QTest::newRow("wholly outside the source") << QRect(0, 0, 4, 3) << QPoint(4, 0) << QRect();
    QTest::newRow("zero width") << QRect(1, 1, 0, 2) << QPoint(0, 0) << QRect();
    QTest::newRow("negative width") << QRect(3, 1, -2, 2) << QPoint(1, 0) << QRect();
    QTest::newRow("negative height") << QRect(1, 3, 2, -2) << QPoint(0, 1) << QRect();
}

void TstRaster::copyIsClippedToBothSurfaces()
{
    QFETCH(QRect, block);
    QFETCH(QPoint, from);
    QFETCH(QRect, copied);
    const QImage source = numbered(4, 3, 0);
    const QImage before = numbered(5, 4, 200);
    QImage dest = before;
    // QRect's own width() cannot hold a negative size: pass the numbers as given.
    const int width = block.right() - block.left() + 1;
    const int height = block.bottom() - block.top() + 1;
    const QRect changed =
        core::BitBlt(dest, block.left(), block.top(), width, height, source, from.x(), from.y());

    QCOMPARE(changed, copied); // every pixel of the source differs from the destination
    QCOMPARE(dest.size(), before.size());
    const QPoint shift = from - block.topLeft();
    for (int y = 0; y < dest.height(); ++y) {
        for (int x = 0; x < dest.width(); ++x) {
            const QRgb expected =
                copied.contains(x, y) ? source.pixel(QPoint(x, y) + shift) : before.pixel(x, y);
            QVERIFY2(dest.pixel(x, y) == expected,
                     qPrintable(QStringLiteral("at %1,%2").arg(x).arg(y)));
        }
    }
}

void TstRaster::copyIsExactFromEveryFormat_data()
{
    QTest::addColumn<QImage::Format>("sourceFormat");
    QTest::addColumn<QImage::Format>("destFormat");
    QTest::newRow("RGB32 to RGB32") << QImage::Format_RGB32 << QImage::Format_RGB32;
    QTest::newRow("RGB888 to RGB32") << QImage::Format_RGB888 << QImage::Format_RGB32;
    QTest::newRow("opaque ARGB32 to RGB32") << QImage::Format_ARGB32 << QImage::Format_RGB32;
    QTest::newRow("RGB32 to RGB888") << QImage::Format_RGB32 << QImage::Format_RGB888;
}

// Every value of every channel must arrive unchanged: the commit copies the
// painting twice and any drift would show as a colour no swatch has.
void TstRaster::copyIsExactFromEveryFormat()
{
    QFETCH(QImage::Format, sourceFormat);
    QFETCH(QImage::Format, destFormat);
    QImage source(256, 2, QImage::Format_RGB32);
    for (int x = 0; x < 256; ++x) {
        source.setPixel(x, 0, qRgb(x, 255 - x, x ^ 0x5A));
        source.setPixel(x, 1, qRgb(x ^ 0xA5, x, 255 - x));
    }
    source = source.convertToFormat(sourceFormat);
    QImage dest(256, 2, destFormat);
    dest.fill(Qt::black);

    core::BitBlt(dest, 0, 0, 256, 2, source, 0, 0);
    QCOMPARE(dest.format(), QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 256; ++x)
            QCOMPARE(dest.pixel(x, y), source.pixel(x, y));
}

void TstRaster::copyOntoItself_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("xSrc");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QRect>("changed");
    QTest::newRow("to the right") << QStringList{"rgb#."} << 1 << 0 << QStringList{"rrgb#"}
                                  << QRect(1, 0, 4, 1);
    QTest::newRow("to the left") << QStringList{".rgb#"} << 0 << 1 << QStringList{"rgb##"}
                                 << QRect(0, 0, 4, 1);
    QTest::newRow("onto the same place")
        << QStringList{"rgb#."} << 0 << 0 << QStringList{"rgb#."} << QRect();
}

// The source pixels are those before the copy began, even where the block
// overlaps itself.
void TstRaster::copyOntoItself()
{
    QFETCH(QStringList, before);
    QFETCH(int, x);
    QFETCH(int, xSrc);
    QFETCH(QStringList, after);
    QFETCH(QRect, changed);
    QImage image = imageOf(before);
    QCOMPARE(core::BitBlt(image, x, 0, 4, 1, image, xSrc, 0), changed);
    QCOMPARE(artOf(image), after);
}

// The source is copied whole onto the destination at (1, 1), or the block
// `block` of it; the result is the smallest rectangle holding every pixel
// whose colour changed.
void TstRaster::copyReturnsWhatItChanged_data()
{
    QTest::addColumn<QStringList>("dest");
    QTest::addColumn<QStringList>("source");
    QTest::addColumn<QRect>("block");
    QTest::addColumn<QRect>("changed");
    const QStringList dest = {".......", ".rrrrr.", ".r...r.", ".rrrrr.", "......."};
    const QRect whole(1, 1, 5, 3);
    QTest::newRow("nothing differs")
        << dest << QStringList{"rrrrr", "r...r", "rrrrr"} << whole << QRect();
    QTest::newRow("one pixel") << dest << QStringList{"rrrrr", "r.g.r", "rrrrr"} << whole
                               << QRect(3, 2, 1, 1);
    QTest::newRow("two corners") << dest << QStringList{"grrrr", "r...r", "rrrrb"} << whole
                                 << QRect(1, 1, 5, 3);
    QTest::newRow("a column down the middle")
        << dest << QStringList{"rrgrr", "r.g.r", "rrgrr"} << whole << QRect(3, 1, 1, 3);
    QTest::newRow("the right column")
        << dest << QStringList{"rrrrg", "r...g", "rrrrg"} << whole << QRect(5, 1, 1, 3);
    QTest::newRow("the last row only")
        << dest << QStringList{"rrrrr", "r...r", "r#rrr"} << whole << QRect(2, 3, 1, 1);
    QTest::newRow("differences outside the block")
        << dest << QStringList{"ggggg", "g...g", "ggggg"} << QRect(2, 2, 3, 1) << QRect();
    QTest::newRow("a wide row, ends apart")
        << QStringList(3, QString(40, u'.'))
        << QStringList{QString(40, u'.'), u'#' + QString(37, u'.') + QStringLiteral("#."),
                       QString(40, u'.')}
        << QRect(1, 1, 39, 2) << QRect(1, 2, 39, 1);
}

void TstRaster::copyReturnsWhatItChanged()
{
    QFETCH(QStringList, dest);
    QFETCH(QStringList, source);
    QFETCH(QRect, block);
    QFETCH(QRect, changed);
    QImage image = imageOf(dest);
    const QImage from = imageOf(source);
    const QPoint at(1, 1);
    const QPoint fromPoint = block.topLeft() - at;
    QImage expected = image;
    for (int y = block.top(); y <= block.bottom(); ++y)
        for (int x = block.left(); x <= block.right(); ++x)
            if (image.rect().contains(x, y) && from.rect().contains(QPoint(x, y) - at))
                expected.setPixel(x, y, from.pixel(QPoint(x, y) - at));

    QCOMPARE(core::BitBlt(image, block.left(), block.top(), block.width(), block.height(), from,
                          fromPoint.x(), fromPoint.y()),
             changed);
    QCOMPARE(artOf(image), artOf(expected));
}

// The canvas's two images share their pixels until one is drawn on; a commit
// with nothing new must not make them copies.
void TstRaster::copyThatChangesNothingLeavesSharedPixelsShared()
{
    const QImage source = numbered(6, 4, 0);
    QImage dest = source;
    QCOMPARE(core::BitBlt(dest, 0, 0, 6, 4, source.copy(), 0, 0), QRect());
    QCOMPARE(dest.constBits(), source.constBits());
}

// Black is the border, green the fill; the seed is (x, y).
void TstRaster::fill_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QPoint>("seed");
    QTest::addColumn<QStringList>("after");

    QTest::newRow("closed box") << QStringList{"......", ".####.", ".#..#.", ".####."}
                                << QPoint(2, 2)
                                << QStringList{"......", ".####.", ".#gg#.", ".####."};
    QTest::newRow("background around a closed box")
        << QStringList{"......", ".####.", ".#..#.", ".####."} << QPoint(0, 0)
        << QStringList{"gggggg", "g####g", "g#..#g", "g####g"};
    QTest::newRow("other colours inside do not stop the fill")
        << QStringList{"#######", "#.r.b.#", "#rrr..#", "#######"} << QPoint(1, 1)
        << QStringList{"#######", "#ggggg#", "#ggggg#", "#######"};
    QTest::newRow("fill passes through pixels of the fill colour")
        << QStringList{"#######", "#..g..#", "#######"} << QPoint(1, 1)
        << QStringList{"#######", "#ggggg#", "#######"};
    QTest::newRow("area already of the fill colour")
        << QStringList{"#####", "#ggg#", "#ggg#", "#####"} << QPoint(2, 1)
        << QStringList{"#####", "#ggg#", "#ggg#", "#####"};
    QTest::newRow("black dots inside stop the fill")
        << QStringList{"#####", "#.#.#", "##..#", "#####"} << QPoint(3, 2)
        << QStringList{"#####", "#.#g#", "##gg#", "#####"};
    QTest::newRow("diagonal line holds")
        << QStringList{"#....", ".#...", "..#..", "...#.", "....#"} << QPoint(4, 0)
        << QStringList{"#gggg", ".#ggg", "..#gg", "...#g", "....#"};
    QTest::newRow("diagonal line holds from the other side")
        << QStringList{"#....", ".#...", "..#..", "...#.", "....#"} << QPoint(0, 4)
        << QStringList{"#....", "g#...", "gg#..", "ggg#.", "gggg#"};
    QTest::newRow("winding passage up and down")
        << QStringList{"#########", "#...#...#", "#.#.#.#.#", "#.#...#.#",
                       "#.#####.#", "#.......#", "#########"}
        << QPoint(7, 1) << QStringList{"#########", "#ggg#ggg#", "#g#g#g#g#", "#g#ggg#g#",
                                       "#g#####g#", "#ggggggg#", "#########"};
    QTest::newRow("seed on the border paints nothing")
        << QStringList{"#####", "#...#", "#####"} << QPoint(0, 1)
        << QStringList{"#####", "#...#", "#####"};
    QTest::newRow("seed in a corner of the image")
        << QStringList{"..#..", "###..", "....."} << QPoint(0, 0)
        << QStringList{"gg#..", "###..", "....."};
    QTest::newRow("seed at the right edge, area open to the edges")
        << QStringList{"..#..", "..#..", "..#.."} << QPoint(4, 1)
        << QStringList{"..#gg", "..#gg", "..#gg"};
    QTest::newRow("seed at the bottom edge")
        << QStringList{".....", "#####", "....."} << QPoint(2, 2)
        << QStringList{".....", "#####", "ggggg"};
    QTest::newRow("seed left of the image")
        << QStringList{"...", "..."} << QPoint(-1, 0) << QStringList{"...", "..."};
    QTest::newRow("seed below the image")
        << QStringList{"...", "..."} << QPoint(0, 2) << QStringList{"...", "..."};
    QTest::newRow("one pixel") << QStringList{"."} << QPoint(0, 0) << QStringList{"g"};
}

void TstRaster::fill()
{
    QFETCH(QStringList, before);
    QFETCH(QPoint, seed);
    QFETCH(QStringList, after);
    QImage image = imageOf(before);
    core::FloodFill(image, seed.x(), seed.y(), Black, Green);
    QCOMPARE(artOf(image), after);
}

// Callers pass colours without alpha, as the settings store them; neither the
// border test nor the painted pixels may depend on it.
void TstRaster::fillComparesRedGreenBlueOnly()
{
    QImage image = imageOf({"#####", "#.r.#", "#####"});
    core::FloodFill(image, 1, 1, Black & 0x00FFFFFF, Blue & 0x00FFFFFF);
    QCOMPARE(artOf(image), QStringList({"#####", "#bbb#", "#####"}));
    QCOMPARE(qAlpha(image.pixel(2, 1)), 255);
}

// The rectangle tells the caller what to show again, so it must hold every
// pixel painted, those that had the fill colour already among them.
void TstRaster::fillReturnsPaintedRect_data()
{
    QTest::addColumn<QPoint>("seed");
    QTest::addColumn<QRect>("painted");
    QTest::newRow("inside a closed cell") << QPoint(6, 2) << QRect(5, 2, 2, 1);
    QTest::newRow("the open page around the cell") << QPoint(9, 5) << QRect(3, 0, 7, 6);
    QTest::newRow("left of the wall") << QPoint(0, 0) << QRect(0, 0, 2, 4);
    QTest::newRow("area of the fill colour already") << QPoint(1, 5) << QRect(0, 5, 3, 1);
    QTest::newRow("on the border") << QPoint(2, 0) << QRect();
    QTest::newRow("outside") << QPoint(10, 0) << QRect();
}

void TstRaster::fillReturnsPaintedRect()
{
    QFETCH(QPoint, seed);
    QFETCH(QRect, painted);
    QImage image = imageOf(
        {"..#.......", "..#.####..", "..#.#..#..", "..#.####..", "###.......", "ggg#......"});
    QCOMPARE(core::FloodFill(image, seed.x(), seed.y(), Black, Green), painted);
}

// Random pictures, filled from random seeds, must come out exactly as the
// reference fill leaves them, with the same rectangle. The sizes straddle the
// chunks of pixels and the words of bits the fill works in, and the tall and
// wide ones make it reach far from the seed's row and column.
void TstRaster::fillMatchesReference_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("borderPercent");
    QTest::addColumn<QRgb>("border");
    QTest::addColumn<QRgb>("fill");
    QTest::addColumn<int>("pictures");
    QTest::newRow("tiny") << QSize(5, 4) << 30 << Black << Green << 3000;
    QTest::newRow("odd widths") << QSize(13, 9) << 35 << Black << Green << 2000;
    QTest::newRow("a word of bits and a pixel") << QSize(65, 17) << 40 << Black << Green << 600;
    QTest::newRow("a word of bits") << QSize(64, 16) << 30 << Black << Green << 600;
    QTest::newRow("sparse border") << QSize(71, 40) << 10 << Black << Green << 400;
    QTest::newRow("dense border") << QSize(50, 50) << 45 << Black << Green << 400;
    QTest::newRow("one row") << QSize(300, 1) << 5 << Black << Green << 400;
    QTest::newRow("one column") << QSize(1, 300) << 5 << Black << Green << 400;
    QTest::newRow("tall") << QSize(7, 333) << 30 << Black << Green << 200;
    QTest::newRow("wide") << QSize(1031, 6) << 15 << Black << Green << 200;
    QTest::newRow("fill in the border colour") << QSize(40, 30) << 35 << Black << Black << 400;
    QTest::newRow("red border") << QSize(33, 21) << 35 << Red << Green << 400;
}

void TstRaster::fillMatchesReference()
{
    QFETCH(QSize, size);
    QFETCH(int, borderPercent);
    QFETCH(QRgb, border);
    QFETCH(QRgb, fill);
    QFETCH(int, pictures);
    QRandomGenerator random(size.width() * 1000 + size.height());
    for (int i = 0; i < pictures; ++i) {
        const QImage before = randomPicture(random, size, borderPercent, border);
        const QPoint seed = randomSeed(random, size);
        QImage expected = before;
        const QRect expectedRect = reference::floodFill(expected, seed, border, fill);
        QImage image = before;
        const QRect rect = core::FloodFill(image, seed.x(), seed.y(), border, fill);
        const QString where =
            QStringLiteral("picture %1, seed %2,%3").arg(i).arg(seed.x()).arg(seed.y());
        QVERIFY2(samePixels(image, expected), qPrintable(where));
        QVERIFY2(rect == expectedRect, qPrintable(where));
    }
}

// A long winding passage over a whole 4096 x 4096 surface: a fill that recursed
// per pixel or per span would run out of stack long before the end.
void TstRaster::fillLargeArea()
{
    const int size = 4096;
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(White);
    // Every eighth row is black but for a gap at alternating ends.
    const int walls = size / 8;
    for (int y = 4; y < size; y += 8) {
        const int gap = (y / 8) % 2 ? 0 : size - 1;
        for (int x = 0; x < size; ++x) {
            if (x != gap)
                image.setPixel(x, y, Black);
        }
    }
    // A closed box of 11 x 5 within the passage stays white inside.
    for (int x = 100; x <= 110; ++x) {
        image.setPixel(x, 6, Black);
        image.setPixel(x, 10, Black);
    }
    for (int y = 7; y <= 9; ++y) {
        image.setPixel(100, y, Black);
        image.setPixel(110, y, Black);
    }

    core::FloodFill(image, 0, 0, Black, Green);

    QCOMPARE(image.pixel(size - 1, size - 1), Green);
    QCOMPARE(image.pixel(size - 1, 4), Green); // the first gap
    QCOMPARE(image.pixel(0, 12), Green);       // the second gap
    QCOMPARE(image.pixel(105, 8), White);      // inside the box
    QCOMPARE(image.pixel(105, 6), Black);
    qint64 green = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x)
            green += image.pixel(x, y) == Green;
    }
    const qint64 boxBorder = 2 * 11 + 2 * 3;
    const qint64 boxInside = 9 * 3;
    const qint64 expected = qint64(size) * size - walls * (size - 1) - boxBorder - boxInside;
    QCOMPARE(green, expected);
}

void TstRaster::dotShape_data()
{
    QTest::addColumn<int>("width");
    QTest::newRow("1") << 1;
    QTest::newRow("5") << 5;
    QTest::newRow("10") << 10;
    QTest::newRow("15") << 15;
}

// The dot is exactly `width` pixels across both ways, symmetric, round and
// solid, and painted in the one colour only.
void TstRaster::dotShape()
{
    QFETCH(int, width);
    QImage image(41, 41, QImage::Format_RGB32);
    image.fill(White);
    const QRect touched = core::PSet(image, 20, 20, width, Red);

    const QRect dot = paintedRect(image, Red);
    QCOMPARE(dot.size(), QSize(width, width));
    QCOMPARE(touched, dot);
    QVERIFY(dot.contains(20, 20));
    QVERIFY(std::abs((20 - dot.left()) - (dot.right() - 20)) <= 1);

    int area = 0;
    int previousRun = 0;
    for (int y = 0; y < image.height(); ++y) {
        int run = 0;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            QVERIFY(pixel == Red || pixel == White);
            const QPoint mirror(dot.left() + dot.right() - x, dot.top() + dot.bottom() - y);
            if (dot.contains(x, y)) {
                QCOMPARE(pixel, image.pixel(mirror.x(), y));
                QCOMPARE(pixel, image.pixel(x, mirror.y()));
                QCOMPARE(pixel,
                         image.pixel(dot.left() + y - dot.top(), dot.top() + x - dot.left()));
            }
            run += pixel == Red;
        }
        area += run;
        // Solid and convex: each row is one run, growing to the middle row.
        if (run > 0)
            QCOMPARE(paintedRect(image.copy(0, y, 41, 1), Red).width(), run);
        if (y <= dot.center().y())
            QVERIFY(run >= previousRun);
        previousRun = run;
    }
    if (width >= 5) {
        QCOMPARE(image.pixel(dot.topLeft()), White);
        QCOMPARE(image.pixel(dot.bottomRight()), White);
        const double circle = std::numbers::pi * width * width / 4;
        QVERIFY2(std::abs(area - circle) < 0.1 * circle, qPrintable(QString::number(area)));
    }
}

// The point is rounded to a pixel, halves to even, and an odd-sized dot is
// centred on that pixel.
void TstRaster::dotPlacement_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QPointF>("point");
    QTest::addColumn<QRect>("dot");
    QTest::newRow("1 on a whole pixel") << 1 << QPointF(3, 4) << QRect(3, 4, 1, 1);
    QTest::newRow("1 rounded to the nearest") << 1 << QPointF(2.4, 2.6) << QRect(2, 3, 1, 1);
    QTest::newRow("1 halves to even, down") << 1 << QPointF(2.5, 0.5) << QRect(2, 0, 1, 1);
    QTest::newRow("1 halves to even, up") << 1 << QPointF(3.5, 1.5) << QRect(4, 2, 1, 1);
    QTest::newRow("5 centred") << 5 << QPointF(10, 10) << QRect(8, 8, 5, 5);
    QTest::newRow("5 rounded first") << 5 << QPointF(10.5, 9.5) << QRect(8, 8, 5, 5);
    QTest::newRow("15 centred") << 15 << QPointF(10, 12) << QRect(3, 5, 15, 15);
}

void TstRaster::dotPlacement()
{
    QFETCH(int, width);
    QFETCH(QPointF, point);
    QFETCH(QRect, dot);
    QImage image(30, 30, QImage::Format_RGB32);
    image.fill(White);
    QCOMPARE(core::PSet(image, point.x(), point.y(), width, Red), dot);
    QCOMPARE(paintedRect(image, Red), dot);
}

// Near an edge the dot is the same dot with the part beyond the edge cut off.
void TstRaster::dotIsClippedAtTheEdges_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QPoint>("point");
    QTest::newRow("15 at the top left corner") << 15 << QPoint(0, 0);
    QTest::newRow("15 at the bottom right corner") << 15 << QPoint(29, 29);
    QTest::newRow("10 near the left edge") << 10 << QPoint(2, 15);
    QTest::newRow("5 half over the bottom edge") << 5 << QPoint(12, 30);
    QTest::newRow("5 wholly outside") << 5 << QPoint(-10, 5);
    QTest::newRow("1 just outside") << 1 << QPoint(30, 0);
}

void TstRaster::dotIsClippedAtTheEdges()
{
    QFETCH(int, width);
    QFETCH(QPoint, point);
    const int margin = 20;
    QImage whole(30 + 2 * margin, 30 + 2 * margin, QImage::Format_RGB32);
    whole.fill(White);
    const QRect wholeDot = core::PSet(whole, point.x() + margin, point.y() + margin, width, Red);
    QCOMPARE(wholeDot.size(), QSize(width, width));

    QImage image(30, 30, QImage::Format_RGB32);
    image.fill(White);
    const QRect touched = core::PSet(image, point.x(), point.y(), width, Red);
    QCOMPARE(touched, wholeDot.translated(-margin, -margin).intersected(image.rect()));
    QCOMPARE(image, whole.copy(margin, margin, 30, 30));
}

QTEST_GUILESS_MAIN(TstRaster)
#include "tst_raster.moc"
