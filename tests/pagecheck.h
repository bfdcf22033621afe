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

// The lines of `original` (pieces of clear black, grey below 64) that did
// not come through whole: some of their pixels fall on white page pixels, or
// on more than one black piece of the page.
int brokenLines(const QImage &original, const QImage &page);

// Whether every pixel is pure black or pure white.
bool onlyBlackAndWhite(const QImage &page);

// The smallest black piece and the smallest white piece of a page.
int smallestBlack(const QImage &page);
int smallestWhite(const QImage &page);

} // namespace pagecheck
