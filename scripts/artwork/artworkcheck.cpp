// SPDX-License-Identifier: GPL-3.0-or-later
#include "artworkcheck.h"

#include "artworkfiles.h"
#include "manifest.h"
#include "pagekit.h"

#include <QFile>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPoint>
#include <QSvgRenderer>

#include <cstdio>

namespace artwork {

namespace {

// Closed areas smaller than this are specks left where lines meet: not allowed.
constexpr int SpeckArea = 12;
// Closed areas at least this big are ones a child can aim at and fill.
constexpr int FillableArea = 40;
constexpr int MinFillableAreas = 6;
// Percentage of the pixels of a PNG icon that its SVG may show otherwise, at its edges.
constexpr int MaxScalableDifference = 3;

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The reasons one file fails, empty if it passes.
using Problems = QStringList;

void expect(Problems &problems, bool ok, const QString &what)
{
    if (!ok)
        problems << what;
}

// Header of a Windows bitmap (file header + BITMAPINFOHEADER) starting at offset.
void expectInfoHeader(Problems &problems, const QByteArray &b, int offset, int width, int height,
                      int bitCount)
{
    expect(problems, readLe32(b, offset) == 40, QStringLiteral("header is not BITMAPINFOHEADER"));
    expect(problems,
           int(readLe32(b, offset + 4)) == width && int(readLe32(b, offset + 8)) == height,
           QStringLiteral("header size %1 x %2")
               .arg(readLe32(b, offset + 4))
               .arg(readLe32(b, offset + 8)));
    expect(problems, readLe16(b, offset + 14) == bitCount,
           QStringLiteral("biBitCount %1, not %2").arg(readLe16(b, offset + 14)).arg(bitCount));
    expect(problems, readLe32(b, offset + 16) == 0, QStringLiteral("compressed"));
}

void expectBitmapFile(Problems &problems, const QByteArray &b, QSize size, int bitCount)
{
    expect(problems, b.startsWith("BM") && int(readLe32(b, 2)) == b.size(),
           QStringLiteral("not a bitmap file"));
    expectInfoHeader(problems, b, 14, size.width(), size.height(), bitCount);
}

struct Regions
{
    int closed = 0;
    int fillable = 0;
    int specks = 0;
    int smallest = 0;
    QPoint firstSpeck;
};

// Splits the non-black pixels into 4-connected regions; the ones touching the image edge are
// the outer background, the others are the closed areas of the drawing.
Regions findRegions(const QImage &page)
{
    const int w = page.width(), h = page.height();
    QList<int> label(w * h, 0); // 0: not yet visited, -1: black, else region number
    for (int i = 0; i < w * h; ++i)
        label[i] = (page.pixel(i % w, i / w) | 0xff000000u) == standard(Black) ? -1 : 0;
    Regions result;
    int next = 0;
    for (int start = 0; start < w * h; ++start) {
        if (label[start] != 0)
            continue;
        QList<int> queue = {start};
        label[start] = ++next;
        bool outer = false;
        for (qsizetype i = 0; i < queue.size(); ++i) {
            const int x = queue[i] % w, y = queue[i] / w;
            outer = outer || x == 0 || y == 0 || x == w - 1 || y == h - 1;
            for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                const int nx = x + d.x(), ny = y + d.y();
                if (nx < 0 || ny < 0 || nx >= w || ny >= h || label[ny * w + nx] != 0)
                    continue;
                label[ny * w + nx] = next;
                queue << ny * w + nx;
            }
        }
        if (outer)
            continue;
        const int area = int(queue.size());
        ++result.closed;
        result.fillable += area >= FillableArea;
        if (area < SpeckArea && result.specks++ == 0)
            result.firstSpeck = QPoint(start % w, start / w);
        result.smallest = result.closed == 1 ? area : qMin(result.smallest, area);
    }
    return result;
}

QString checkPage(const QString &path, Problems &problems)
{
    const QByteArray b = readAll(path);
    expectBitmapFile(problems, b, QSize(PageWidth, PageHeight), 4);
    for (int i = 0; i < 16; ++i)
        expect(problems, (readLe32(b, 54 + 4 * i) | 0xff000000u) == standardColours()[i],
               QStringLiteral("palette entry %1 is not the standard colour").arg(i));
    const QImage page(path);
    expect(problems, page.format() == QImage::Format_Indexed8 && page.colorCount() <= 16,
           QStringLiteral("Qt reads format %1 with %2 colours")
               .arg(page.format())
               .arg(page.colorCount()));
    expect(problems, page.size() == QSize(PageWidth, PageHeight),
           QStringLiteral("Qt reads a wrong size"));
    if (!problems.isEmpty())
        return QString();

    QRect drawing;
    int other = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QRgb c = page.pixel(x, y) | 0xff000000u;
            if (c == standard(Black))
                drawing |= QRect(x, y, 1, 1);
            else if (c != standard(White))
                ++other;
        }
    }
    expect(problems, other == 0, QStringLiteral("%1 pixels neither black nor white").arg(other));
    expect(problems, drawing.right() < DrawLimitX && drawing.bottom() < DrawLimitY,
           QStringLiteral("drawing reaches x %1, y %2").arg(drawing.right()).arg(drawing.bottom()));
    const Regions r = findRegions(page);
    expect(
        problems, r.fillable >= MinFillableAreas,
        QStringLiteral("only %1 closed areas of %2 px or more").arg(r.fillable).arg(FillableArea));
    expect(problems, r.specks == 0,
           QStringLiteral("%1 closed specks under %2 px, the first at (%3, %4)")
               .arg(r.specks)
               .arg(SpeckArea)
               .arg(r.firstSpeck.x())
               .arg(r.firstSpeck.y()));
    return QStringLiteral(
               "4-bit %1 x %2, %3 closed areas (smallest %4 px), drawing x %5..%6 y %7..%8")
        .arg(page.width())
        .arg(page.height())
        .arg(r.closed)
        .arg(r.smallest)
        .arg(drawing.left())
        .arg(drawing.right())
        .arg(drawing.top())
        .arg(drawing.bottom());
}

QString checkButtonBitmap(const QString &path, QSize size, Problems &problems)
{
    expectBitmapFile(problems, readAll(path), size, 24);
    const QImage image(path);
    expect(problems, image.size() == size && image.depth() == 32,
           QStringLiteral("Qt reads %1 x %2, depth %3")
               .arg(image.width())
               .arg(image.height())
               .arg(image.depth()));
    return QStringLiteral("24-bit %1 x %2").arg(size.width()).arg(size.height());
}

QString checkIcon(const QString &path, Problems &problems)
{
    const QByteArray b = readAll(path);
    expect(problems, readLe16(b, 0) == 0 && readLe16(b, 2) == 1 && readLe16(b, 4) == 1,
           QStringLiteral("not an icon with exactly one image"));
    expect(problems,
           (readLe16(b, 6) & 0xff) == 32 && (readLe16(b, 7) & 0xff) == 32 &&
               (readLe16(b, 8) & 0xff) == 16 && readLe16(b, 12) == 4,
           QStringLiteral("directory entry is not 32 x 32, 16 colours, 4 bits"));
    const int offset = int(readLe32(b, 18));
    expectInfoHeader(problems, b, offset, 32, 64, 4);
    expect(problems,
           offset + int(readLe32(b, 14)) == b.size() && int(readLe32(b, 14)) == 40 + 64 + 512 + 128,
           QStringLiteral("image data of the wrong length"));
    const QImage image(path);
    expect(problems, image.size() == QSize(32, 32) && image.hasAlphaChannel(),
           QStringLiteral("Qt reads %1 x %2 without transparency")
               .arg(image.width())
               .arg(image.height()));
    expect(problems, !image.isNull() && qAlpha(image.pixel(0, 0)) == 0,
           QStringLiteral("corner not transparent"));
    return QStringLiteral("icon 32 x 32, 4-bit with mask");
}

QString checkAppIcon(const QString &path, int size, Problems &problems)
{
    const QImage image(path, "PNG");
    expect(problems, image.size() == QSize(size, size) && image.hasAlphaChannel(),
           QStringLiteral("Qt reads %1 x %2").arg(image.width()).arg(image.height()));
    return QStringLiteral("PNG %1 x %1").arg(size);
}

// The scalable icon shows the drawing of the PNG icons: rendered at their size, its pixels
// match theirs but along the edges, which it smooths.
QString checkScalableIcon(const QString &path, const QString &pngPath, Problems &problems)
{
    QSvgRenderer svg(path);
    expect(problems, svg.isValid() && svg.viewBoxF() == QRectF(0, 0, 64, 64),
           QStringLiteral("not an SVG drawing of 64 x 64 units"));
    const QImage png(pngPath, "PNG");
    QImage rendered(png.size(), QImage::Format_ARGB32);
    rendered.fill(Qt::transparent);
    QPainter painter(&rendered);
    svg.render(&painter);
    painter.end();
    int differing = 0;
    for (int y = 0; y < png.height(); ++y) {
        for (int x = 0; x < png.width(); ++x) {
            const QRgb a = png.pixel(x, y), b = rendered.pixel(x, y);
            differing += qAbs(qAlpha(a) - qAlpha(b)) > 128 || qAbs(qRed(a) - qRed(b)) > 128 ||
                         qAbs(qGreen(a) - qGreen(b)) > 128 || qAbs(qBlue(a) - qBlue(b)) > 128;
        }
    }
    const int percent = png.isNull() ? 100 : 100 * differing / (png.width() * png.height());
    expect(problems, percent <= MaxScalableDifference,
           QStringLiteral("%1 % of its pixels differ from %2").arg(percent).arg(pngPath));
    return QStringLiteral("SVG, %1 % of its pixels off those of the PNG").arg(percent);
}

} // namespace

int checkArtwork(const QString &root, const QStringList &pagePaths)
{
    int failures = 0;
    const auto report = [&](const QString &file, auto check) {
        Problems problems;
        const QString summary = check(root + QLatin1Char('/') + file, problems);
        failures += !problems.isEmpty();
        std::printf("%s %-36s %s\n", problems.isEmpty() ? "ok  " : "FAIL", qPrintable(file),
                    qPrintable(problems.isEmpty() ? summary : problems.join(QStringLiteral("; "))));
    };
    for (const QString &page : pagePaths)
        report(page, checkPage);
    report(DefaultPageCopy, [&](const QString &path, Problems &problems) {
        expect(problems,
               readAll(path) == readAll(root + QLatin1Char('/') + DefaultPage) &&
                   QFile::exists(path),
               QStringLiteral("not a copy of %1").arg(DefaultPage));
        return QStringLiteral("same bytes as %1").arg(DefaultPage);
    });
    report(PaletteButton,
           [](const QString &p, Problems &pr) { return checkButtonBitmap(p, QSize(39, 37), pr); });
    report(PrinterButton,
           [](const QString &p, Problems &pr) { return checkButtonBitmap(p, QSize(35, 33), pr); });
    report(PencilIcon, checkIcon);
    report(StopIcon, checkIcon);
    for (const AppIcon &icon : AppIcons) {
        for (int size : AppIconSizes) {
            report(appIconPath(icon.name, size),
                   [size](const QString &p, Problems &pr) { return checkAppIcon(p, size, pr); });
        }
        const QString png = root + QLatin1Char('/') + appIconPath(icon.name, 256);
        report(appIconPath(icon.name, 0),
               [&png](const QString &p, Problems &pr) { return checkScalableIcon(p, png, pr); });
    }
    report(ExampleSettings, [](const QString &path, Problems &problems) {
        expect(problems, readAll(path) == QByteArray(ExampleSettingsBytes),
               QStringLiteral("unexpected bytes"));
        return QStringLiteral("%1 bytes, CR LF lines").arg(sizeof(ExampleSettingsBytes) - 1);
    });
    return failures;
}

} // namespace artwork
