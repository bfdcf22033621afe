#include "core/raster.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace core {

namespace {

void ensureRgb32(QImage &image)
{
    if (image.format() != QImage::Format_RGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
}

// Rows that fill both images from edge to edge lie end to end in memory, so
// one copy takes them all: the commit copies the page that way, twice a click.
void copyRows(uchar *to, qsizetype toStride, const uchar *from, qsizetype fromStride,
              qsizetype rowBytes, int rows)
{
    if (rowBytes == toStride && rowBytes == fromStride) {
        std::memcpy(to, from, std::size_t(rowBytes) * rows);
        return;
    }
    for (int row = 0; row < rows; ++row)
        std::memcpy(to + row * toStride, from + row * fromStride, std::size_t(rowBytes));
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
    const qsizetype pixelBytes = sizeof(QRgb);
    uchar *to = dest.bits() + block.top() * dest.bytesPerLine() + block.left() * pixelBytes;
    const uchar *from =
        source.constScanLine(block.top() - y + ySrc) + (block.left() - x + xSrc) * pixelBytes;
    copyRows(to, dest.bytesPerLine(), from, source.bytesPerLine(), block.width() * pixelBytes,
             block.height());
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
