#include "raster.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace core {

namespace {

constexpr QRgb RgbMask = 0x00FFFFFF;

void ensureRgb32(QImage &image)
{
    if (image.format() != QImage::Format_RGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
}

QRgb *rowOf(uchar *bits, qsizetype bytesPerLine, int y)
{
    return reinterpret_cast<QRgb *>(bits + y * bytesPerLine);
}

} // namespace

void BitBlt(QImage &dest, int x, int y, int width, int height, const QImage &src, int xSrc,
            int ySrc)
{
    ensureRgb32(dest);
    // QRect would turn a negative size around; a block of no size copies nothing.
    if (width <= 0 || height <= 0)
        return;
    // A copy shares its pixels until `dest` is written, so copying a surface
    // onto itself still reads the pixels as they were.
    const QImage source =
        src.format() == QImage::Format_RGB32 ? src : src.convertToFormat(QImage::Format_RGB32);
    // The block in destination coordinates, clipped to the destination and to
    // the source moved to where it lands.
    const QRect block = QRect(x, y, width, height)
                            .intersected(dest.rect())
                            .intersected(source.rect().translated(x - xSrc, y - ySrc));
    if (block.isEmpty())
        return;
    uchar *bits = dest.bits();
    const std::size_t rowBytes = std::size_t(block.width()) * sizeof(QRgb);
    for (int row = block.top(); row <= block.bottom(); ++row) {
        const auto *from = reinterpret_cast<const QRgb *>(source.constScanLine(row - y + ySrc));
        std::memcpy(rowOf(bits, dest.bytesPerLine(), row) + block.left(),
                    from + block.left() - x + xSrc, rowBytes);
    }
}

void FloodFill(QImage &image, int x, int y, QRgb border, QRgb fill)
{
    if (!image.rect().contains(x, y))
        return;
    ensureRgb32(image);
    uchar *bits = image.bits();
    const qsizetype bpl = image.bytesPerLine();
    const int width = image.width();
    const int height = image.height();

    // Filled pixels are first marked with the fill colour at alpha 0, which no
    // pixel of an RGB32 image has. The mark tells filled pixels from pixels
    // that merely had the fill colour already, without a second image the size
    // of the whole surface.
    const QRgb borderRgb = border & RgbMask;
    const QRgb mark = fill & RgbMask;
    const auto open = [&](QRgb pixel) { return (pixel & RgbMask) != borderRgb && pixel != mark; };

    struct Span
    {
        int left, right, y;
    };
    std::vector<Span> filled;
    std::vector<QPoint> seeds{{x, y}};
    while (!seeds.empty()) {
        const QPoint seed = seeds.back();
        seeds.pop_back();
        QRgb *line = rowOf(bits, bpl, seed.y());
        if (!open(line[seed.x()]))
            continue;
        int left = seed.x();
        int right = seed.x();
        while (left > 0 && open(line[left - 1]))
            --left;
        while (right < width - 1 && open(line[right + 1]))
            ++right;
        std::fill(line + left, line + right + 1, mark);
        filled.push_back({left, right, seed.y()});
        // One seed for each run of open pixels above and below the span.
        for (int ny : {seed.y() - 1, seed.y() + 1}) {
            if (ny < 0 || ny >= height)
                continue;
            const QRgb *next = rowOf(bits, bpl, ny);
            for (int i = left; i <= right; ++i) {
                if (open(next[i]) && (i == left || !open(next[i - 1])))
                    seeds.push_back({i, ny});
            }
        }
    }
    const QRgb opaqueFill = fill | 0xFF000000;
    for (const Span &span : filled) {
        QRgb *line = rowOf(bits, bpl, span.y);
        std::fill(line + span.left, line + span.right + 1, opaqueFill);
    }
}

QRect PSet(QImage &image, double x, double y, int width, QRgb color)
{
    // A dot needs no colour compare, so an image with transparency may take
    // one too: shapes draw their circles with it.
    if (image.format() != QImage::Format_ARGB32_Premultiplied &&
        image.format() != QImage::Format_ARGB32)
        ensureRgb32(image);
    const int size = std::max(width, 1);
    // The dot's box is exactly `size` pixels wide, starting half a size before
    // the point; a pixel belongs to the dot when its centre lies in the circle.
    const int left = int(std::nearbyint(x)) - size / 2;
    const int top = int(std::nearbyint(y)) - size / 2;
    const QRect touched = QRect(left, top, size, size).intersected(image.rect());
    if (touched.isEmpty())
        return {};
    const double radius = size / 2.0;
    const double centreX = left + radius;
    const double centreY = top + radius;
    const QRgb opaque = color | 0xFF000000;
    for (int j = touched.top(); j <= touched.bottom(); ++j) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(j));
        const double dy = j + 0.5 - centreY;
        for (int i = touched.left(); i <= touched.right(); ++i) {
            const double dx = i + 0.5 - centreX;
            if (dx * dx + dy * dy <= radius * radius)
                line[i] = opaque;
        }
    }
    return touched;
}

} // namespace core
