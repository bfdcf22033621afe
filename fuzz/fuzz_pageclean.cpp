// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary black-and-white drawings, up to 48 x 48 pixels, through the
// steps that tidy a page: removing specks, closing gaps, filling white
// islands. Each step keeps the promises the fill relies on, checked by a
// search of its own: only pure black and white, specks only ever made white,
// gaps and islands only ever made black, and after each step nothing left of
// what it removes.
#include "core/page.h"
#include "pagecheck.h"

#include <cstddef>
#include <cstdint>

namespace {

constexpr int MaxSide = 48;

void expect(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// The first byte gives the width; every further bit is a pixel, set for ink.
QImage drawingOf(const uint8_t *data, size_t size)
{
    if (size < 2)
        return {};
    const int width = 1 + data[0] % MaxSide;
    const int height = std::min<int>(MaxSide, int((size - 1) * 8 / width));
    QImage drawing(width, height, QImage::Format_Grayscale8);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int bit = y * width + x;
            const bool ink = data[1 + bit / 8] & (1 << (bit % 8));
            drawing.scanLine(y)[x] = ink ? 0 : 255;
        }
    }
    return drawing;
}

// Whether `after` differs from `before` only in pixels made `value`.
bool onlyMade(const QImage &before, const QImage &after, uchar value)
{
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            const uchar was = before.constScanLine(y)[x];
            const uchar is = after.constScanLine(y)[x];
            if (was != is && is != value)
                return false;
        }
    }
    return after.size() == before.size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QImage drawing = drawingOf(data, size);
    if (drawing.isNull())
        return 0;
    using namespace core::page;

    QImage despeckled = drawing;
    removeSpecks(despeckled);
    expect(pagecheck::onlyBlackAndWhite(despeckled) && onlyMade(drawing, despeckled, 255));
    const int smallestLine = pagecheck::smallestBlack(despeckled);
    expect(smallestLine == 0 || smallestLine > MaxSpeck);

    QImage closed = despeckled;
    closeGaps(closed);
    expect(pagecheck::onlyBlackAndWhite(closed) && onlyMade(despeckled, closed, 0));

    QImage filled = closed;
    fillWhiteIslands(filled);
    expect(pagecheck::onlyBlackAndWhite(filled) && onlyMade(closed, filled, 0));
    const int smallestArea = pagecheck::smallestWhite(filled);
    expect(smallestArea == 0 || smallestArea >= MinWhiteArea);
    return 0;
}
