// SPDX-License-Identifier: GPL-3.0-or-later
// Checks of a prepared page against the drawing it was made from, by a
// search of their own: areas are white pieces whose pixels share an edge
// (as the fill spreads), lines are black pieces whose pixels share an edge
// or a corner (as they stop the fill).
#pragma once

#include <QImage>
#include <QList>
#include <QPoint>

namespace pagecheck {

struct Pieces
{
    int width = 0;
    QList<int> of; // the piece of each pixel, y * width + x; -1: not wanted
    QList<int> sizes;
    int at(QPoint p) const { return of.constData()[p.y() * width + p.x()]; }
};

// The white pieces (4-connected) or the black pieces (8-connected) of an
// image; a pixel is black when its grey is below `level`.
Pieces whitePieces(const QImage &image, int level = 128);
Pieces blackPieces(const QImage &image, int level = 128);

// How the areas of `original` fared on `page`: `big` areas of at least
// `minArea` page pixels, of which `kept` still have white on the page, and
// `joined`: page areas that hold pixels of two big areas.
struct Areas
{
    int big = 0;
    int kept = 0;
    int joined = 0;
};
Areas compareAreas(const QImage &original, const QImage &page, int minArea = 40);

// How the page made of another form of a drawing (a scan, a photograph)
// compares with the page of the same drawing made clean: the white areas
// of at least `minArea` pixels on the clean page, how many of them are
// matched, how many areas of that size the other page has besides, and the
// black pixels of each. An area is matched by the area of the other page
// that covers most of it, when that is at least 80 % of its size, matches
// no other area, and its bounding box is within a tenth (at least 3 pixels)
// of its own in width and height: a rectangle comes back a rectangle of its
// size. An area that only just reaches `minArea` on one page and not on the
// other is neither lost nor new.
struct Likeness
{
    int areas = 0;
    int matched = 0;
    int extra = 0;
    int black = 0;
    int otherBlack = 0;
};
Likeness likeness(const QImage &clean, const QImage &other, int minArea = 40);

// The lines of `original` (pieces of clear black, grey below 64) that did
// not come through whole: they fall on more than one black piece of the
// page, or on none. (Their pixels at the very ends of a line may fall on
// white: what a page pixel shows is judged on more than that one pixel.)
int brokenLines(const QImage &original, const QImage &page);

// Whether every pixel is pure black or pure white.
bool onlyBlackAndWhite(const QImage &page);

// The smallest black piece and the smallest white piece of a page.
int smallestBlack(const QImage &page);
int smallestWhite(const QImage &page);

} // namespace pagecheck
