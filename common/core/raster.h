// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>

namespace core {

// Every surface these operations work on is a QImage in Format_RGB32; any
// other format is converted first. Colours are compared on red, green and
// blue only.

// The bit-block copy (source copy): the `width` x `height` block at (xSrc, ySrc)
// of `src` lands at (x, y) of `dest`, pixel for pixel, never scaled. The block
// is clipped to both surfaces; what falls outside either is not copied. A
// block of zero or negative width or height copies nothing. Returns the
// smallest rectangle of `dest` holding every pixel the copy changed, empty
// when every pixel already had its source's value, so that a caller shows
// again only what differs. Rows already equal are left untouched, and a copy
// that changes nothing never detaches `dest` from images sharing its pixels.
QRect BitBlt(QImage &dest, int x, int y, int width, int height, const QImage &src, int xSrc,
             int ySrc);

// The border flood fill: every pixel connected to (x, y) through pixels that
// are not `border` is painted `fill`, whatever colour it had before; only the
// border colour stops the fill. Neighbours share an edge (4-connected), so a
// one-pixel diagonal line holds. A seed on a border pixel or outside the
// surface paints nothing. Returns the smallest rectangle holding every pixel
// painted, pixels that had the fill colour already among them; empty when
// nothing was painted. Scanline-based with an explicit list of work, so even
// the largest area cannot overflow the call stack.
QRect FloodFill(QImage &image, int x, int y, QRgb border, QRgb fill);

// A point of a pen `width` pixels wide: a filled round dot of that diameter
// centred on (x, y), rounded half to even, in one colour with no blending, so
// every pixel stays one of the colours drawn. The dot's box is exactly
// `width` pixels wide and high. Also works on images with an alpha channel.
// Returns the pixels touched.
QRect PSet(QImage &image, double x, double y, int width, QRgb color);

} // namespace core
