// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPolygonF>
#include <QRect>
#include <QSize>
#include <QString>

// Turning any picture (a scan, a photograph, a page from the web, grey,
// anti-aliased, noisy) into a colouring page that the fill tool fills
// exactly: 353 x 409 pixels, the part of the canvas that is kept and printed,
// pure black lines on pure white. The fill is 4-connected and stops only at
// pure black, so every step keeps one promise: black lines stay unbroken in
// the 8-connected sense, and no two white areas of the drawing ever join.
//
// The steps work on black-and-white images in Format_Grayscale8 that hold
// only 0 (black, ink) and 255 (white), called ink images below.
namespace core::page {

inline constexpr QSize Size(353, 409);
// White kept round the drawing, so that no line touches the edge of the page.
inline constexpr int Margin = 6;
// The room for the drawing within the margin.
inline constexpr QSize Room(Size.width() - 2 * Margin, Size.height() - 2 * Margin);
// Black pieces of at most this many pixels, touching nothing, are noise.
inline constexpr int MaxSpeck = 4;
// White areas smaller than this are too small to fill and print as specks.
inline constexpr int MinWhiteArea = 6;
// Openings in lines up to this wide are closed.
inline constexpr int MaxGap = 3;

// Where a picture of `size` lands on the page: scaled to fit within the
// margin, proportions kept, centred.
QRect fittedRect(QSize size);

// Scales an ink image onto a white page, into fittedRect. When shrinking,
// the picture's pixels are shared out among the page's pixels, each to
// exactly one; a page pixel is black when any of its pixels is ink. So a line
// that is connected in the picture stays connected, and two page pixels are
// white and side by side only where white joins them in the picture: lines
// never break and areas never join, however thin the lines: page pixel i
// takes the picture's pixels from i * length / fitted up to those of page
// pixel i + 1. When enlarging, each page pixel takes the pixel it lies on.
// Where ink reaches the picture's edge, a black frame round the drawing
// keeps the areas that the edge closed apart.
QImage fitToPage(const QImage &ink);

// The picture itself, smoothly scaled into fittedRect on a white page, so
// that it can be shown beside its prepared page, place for place; with
// `outline` (in the picture's pixels), the outline of the sheet found in it
// drawn over it.
QImage fitPreview(const QImage &picture, const QPolygonF &outline = {});

// Makes white every black piece (8-connected) of at most `maxSpeck` pixels:
// dust and compression noise, too small to enclose an area anyone can fill.
void removeSpecks(QImage &page, int maxSpeck = MaxSpeck);

// Closes the openings of at most `maxGap` pixels in the lines, so that a
// fill does not leak out of an almost closed shape. The white parts where a
// square of maxGap + 1 pixels fits are the cores of the areas; the white left
// over lies in narrow places: corners, thin strips and openings. A narrow
// place that touches two different cores joins them through an opening, and
// becomes black. Nothing else changes, and only black is added.
void closeGaps(QImage &page, int maxGap = MaxGap);

// Makes black every white area (4-connected, as the fill spreads) of fewer
// than `minArea` pixels: left between lines, it is too small to colour and
// would print as a white speck.
void fillWhiteIslands(QImage &page, int minArea = MinWhiteArea);

struct Options
{
    bool closeGaps = true;
};

// Makes the page of an ink image: fit to the page, remove specks, close gaps
// (unless turned off), fill white islands. The result is a 1-bit image of
// exactly Size with only pure black and pure white, ready to be saved as a
// Windows bitmap. A null image gives a white page.
QImage finishPage(const QImage &ink, const Options &options = {});

// A file name for the page, from the name of the file it was made from or
// from a name the adult typed: letters, digits, spaces, hyphens and
// underscores are kept, anything else becomes a hyphen, and ".bmp" is added.
// Only characters that the settings file can hold are kept. A name with
// nothing left becomes "målarbild.bmp".
QString suggestedName(const QString &fileName);

} // namespace core::page
