// SPDX-License-Identifier: GPL-3.0-or-later
// Searching and painting one row of pixels for the border fill (floodfill.cpp),
// where a row is a run of QRgb pixels and a pixel is border when its red,
// green and blue are `border`, which is given without alpha. A click of the fill tool waits for
// the fill, so long rows are taken sixteen pixels at a time: four vectors of
// four pixels (a GCC and Clang extension that becomes plain code where the
// processor has none), so the speed does not hang on what the optimizer
// makes of a plain loop. Each function gives what its plain pixel-by-pixel
// loop would give. They are static so that the fill, their one caller, has
// them inlined: as functions of their own a fill of the canvas took a
// quarter longer.
#pragma once

#include <QRgb>

#include <algorithm>
#include <bit>
#include <cstring>

namespace core::rowscan {

constexpr QRgb RgbMask = 0x00FFFFFF;

// How many pixels are searched at a time.
constexpr int Chunk = 16;

static inline bool isBorder(QRgb pixel, QRgb border)
{
    return (pixel & RgbMask) == border;
}

namespace lanes {

using Four = quint32 __attribute__((vector_size(16)));
using Two = quint64 __attribute__((vector_size(16)));

// All ones in each lane whose pixel is border.
static inline Four border(const QRgb *pixels, QRgb border)
{
    Four four;
    std::memcpy(&four, pixels, sizeof four);
    return Four((four & RgbMask) == border);
}

// Read as two halves, the test is two moves and an or, not one per lane.
static inline bool any(Four lanes)
{
    const Two halves = Two(lanes);
    return (halves[0] | halves[1]) != 0;
}

// The first lane that is set, where one is: a set lane is all ones, so the
// zeros below it in its half count 32 per lane before it.
static inline int first(Four lanes)
{
    const Two halves = Two(lanes);
    return halves[0] != 0 ? std::countr_zero(halves[0]) / 32 : 2 + std::countr_zero(halves[1]) / 32;
}

static inline bool chunkHasBorder(const QRgb *pixels, QRgb b)
{
    return any(border(pixels, b) | border(pixels + 4, b) | border(pixels + 8, b) |
               border(pixels + 12, b));
}

static inline bool chunkIsAllBorder(const QRgb *pixels, QRgb b)
{
    return !any(~(border(pixels, b) & border(pixels + 4, b) & border(pixels + 8, b) &
                  border(pixels + 12, b)));
}

} // namespace lanes

// Paints `color` from x up to the first border pixel at or after it and
// returns where that is, or `end`. Each pixel is tested and painted in one
// pass; in the chunk that holds the border, the tests already made tell
// which pixel it is.
static inline int paintToBorder(QRgb *row, int x, int end, QRgb border, QRgb color)
{
    const lanes::Four four = {color, color, color, color};
    for (; x + Chunk <= end; x += Chunk) {
        const lanes::Four found[4] = {
            lanes::border(row + x, border), lanes::border(row + x + 4, border),
            lanes::border(row + x + 8, border), lanes::border(row + x + 12, border)};
        if (lanes::any(found[0] | found[1] | found[2] | found[3])) {
            int i = 0;
            for (; !lanes::any(found[i]); ++i)
                std::memcpy(row + x + 4 * i, &four, sizeof four);
            const int stop = x + 4 * i + lanes::first(found[i]);
            std::fill(row + x + 4 * i, row + stop, color);
            return stop;
        }
        std::memcpy(row + x, &four, sizeof four);
        std::memcpy(row + x + 4, &four, sizeof four);
        std::memcpy(row + x + 8, &four, sizeof four);
        std::memcpy(row + x + 12, &four, sizeof four);
    }
    for (; x < end && !isBorder(row[x], border); ++x)
        row[x] = color;
    return x;
}

// The first pixel of [x, end) that is not border, or `end`. Lines are thin,
// so the first pixel is tried on its own.
static inline int nextOpen(const QRgb *row, int x, int end, QRgb border)
{
    if (x < end && !isBorder(row[x], border))
        return x;
    while (x + Chunk <= end && lanes::chunkIsAllBorder(row + x, border))
        x += Chunk;
    while (x < end && isBorder(row[x], border))
        ++x;
    return x;
}

// Where the stretch of pixels without border that holds x begins: x itself,
// or the pixel after the last border pixel before it, or 0. Most stretches
// begin at x, so the pixel before it is tried on its own.
static inline int stretchStart(const QRgb *row, int x, QRgb border)
{
    if (x == 0 || isBorder(row[x - 1], border))
        return x;
    while (x >= Chunk && !lanes::chunkHasBorder(row + x - Chunk, border))
        x -= Chunk;
    while (x > 0 && !isBorder(row[x - 1], border))
        --x;
    return x;
}

} // namespace core::rowscan
