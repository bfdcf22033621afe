// SPDX-License-Identifier: GPL-3.0-or-later
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

// The ends of a row that differs are searched a stretch of pixels at a time,
// with no early exit inside a stretch, so the compiler compares several
// pixels per instruction.
constexpr int Stretch = 16;

bool stretchDiffers(const QRgb *a, const QRgb *b)
{
    QRgb differing = 0;
    for (int i = 0; i < Stretch; ++i)
        differing |= a[i] ^ b[i];
    return differing != 0;
}

// The first pixel before `end` where the rows differ, or `end`.
int firstDifference(const QRgb *a, const QRgb *b, int end)
{
    int i = 0;
    while (i + Stretch <= end && !stretchDiffers(a + i, b + i))
        i += Stretch;
    while (i < end && a[i] == b[i])
        ++i;
    return i;
}

// The last pixel of [begin, end) where the rows differ, or `begin - 1`.
int lastDifference(const QRgb *a, const QRgb *b, int begin, int end)
{
    int i = end;
    while (i - Stretch >= begin && !stretchDiffers(a + i - Stretch, b + i - Stretch))
        i -= Stretch;
    while (i > begin && a[i - 1] == b[i - 1])
        --i;
    return i - 1;
}

// Whether one row differs from its source; the columns [first, last] then
// widen to take in its differing pixels. Once some columns are found, the
// parts of the row outside them are compared first and searched only where
// they differ, and the part inside needs no search: a row costs about one
// memcmp.
bool widenToDifferences(const QRgb *a, const QRgb *b, int count, int &first, int &last)
{
    const auto differs = [&](int from, int to) {
        return from < to && std::memcmp(a + from, b + from, std::size_t(to - from) * 4) != 0;
    };
    if (last < first) {
        if (!differs(0, count))
            return false;
        first = firstDifference(a, b, count);
        last = lastDifference(a, b, first, count);
        return true;
    }
    bool widened = false;
    if (differs(0, first)) {
        first = firstDifference(a, b, first);
        widened = true;
    }
    if (differs(last + 1, count)) {
        last = lastDifference(a, b, last + 1, count);
        widened = true;
    }
    return widened || differs(first, last + 1);
}

// The smallest rectangle of `block` whose pixels in `dest` differ from those
// of `source` `shift` away, found without writing anything.
QRect differingRect(const QImage &dest, const QRect &block, const QImage &source, QPoint shift)
{
    int first = block.width();
    int last = -1;
    int top = -1;
    int bottom = -1;
    for (int row = block.top(); row <= block.bottom(); ++row) {
        const auto *a = reinterpret_cast<const QRgb *>(dest.constScanLine(row)) + block.left();
        const auto *b = reinterpret_cast<const QRgb *>(source.constScanLine(row + shift.y())) +
                        block.left() + shift.x();
        if (widenToDifferences(a, b, block.width(), first, last)) {
            top = top < 0 ? row : top;
            bottom = row;
        }
    }
    if (top < 0)
        return {};
    return QRect(QPoint(block.left() + first, top), QPoint(block.left() + last, bottom));
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

QRect BitBlt(QImage &dest, int x, int y, int width, int height, const QImage &src, int xSrc,
             int ySrc)
{
    ensureRgb32(dest);
    // QRect would turn a negative size around; a block of no size copies nothing.
    if (width <= 0 || height <= 0)
        return {};
    // A copy shares its pixels until `dest` is written, so copying a surface
    // onto itself still reads the pixels as they were.
    const QImage source =
        src.format() == QImage::Format_RGB32 ? src : src.convertToFormat(QImage::Format_RGB32);
    // The block in destination coordinates, clipped to the destination and to
    // the source moved to where it lands.
    const QRect block = QRect(x, y, width, height)
                            .intersected(dest.rect())
                            .intersected(source.rect().translated(x - xSrc, y - ySrc));
    // Only what differs is written: writing detaches `dest` from the images
    // that share its pixels, which a copy that changes nothing must not cost.
    const QPoint shift(xSrc - x, ySrc - y);
    const QRect changed = differingRect(dest, block, source, shift);
    if (changed.isEmpty())
        return {};
    const qsizetype pixelBytes = sizeof(QRgb);
    uchar *to = dest.bits() + changed.top() * dest.bytesPerLine() + changed.left() * pixelBytes;
    const uchar *from =
        source.constScanLine(changed.top() + shift.y()) + (changed.left() + shift.x()) * pixelBytes;
    copyRows(to, dest.bytesPerLine(), from, source.bytesPerLine(), changed.width() * pixelBytes,
             changed.height());
    return changed;
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
