// SPDX-License-Identifier: GPL-3.0-or-later
// Colouring pages as they come from the web, drawn in the tests: A4 at 300
// dots per inch, anti-aliased lines of several widths, and the same drawing
// on any paint device (an image, an SVG, a PDF).
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPolygonF>
#include <QSize>

class QPainter;

namespace testpages {

inline constexpr QSize A4(2480, 3508);

// What a page holds besides its lines.
enum class Fill {
    None,    // black lines on white
    Colours, // the areas coloured in, outlines drawn over them
    Clear,   // black lines on a transparent ground
};

// Draws the line page on a painter whose device is `size` pixels: a sun, a
// house with windows, a flower, a fish with its eye, a grid of thin lines
// and a diamond of diagonal thin lines.
void drawLinePage(QPainter &painter, QSize size, Fill fill = Fill::None);

QImage linePage(QSize size = A4, Fill fill = Fill::None);

// The line page in the forms parents bring it in, A4 at 300 dots per inch:
// clean; faint grey lines on grainy off-white paper; coloured in with dark
// and light colours and a mid grey on pale yellow; a scan on grey paper
// turned by a degree, with the dark shadow of the binding on the left; and a
// phone's photograph (1512 x 2016, as read at half size) of the printed
// page lying at a slant on a wooden table, darker towards the corners.
enum class Form { Clean, Faint, Coloured, Scanned, Photographed };
QImage pageIn(Form form);
// Where the page's corners lie in a photograph of `photo`'s size, from the
// top left clockwise.
QPolygonF sheetCorners(QSize photo);
QImage photographedPage(QSize size);

// Rings whose lines have openings of the given widths in page pixels, one
// ring per width, from left to right and top to bottom: {1, 2, 3, 8, 12}.
QImage gapPage();
inline constexpr int GapWidths[] = {1, 2, 3, 8, 12};

// Something that is no line drawing at all: soft gradients, round shapes
// and grain, like a photograph.
QImage photograph(QSize size = QSize(1600, 1200));

// The bytes of a picture in a format Qt writes; quality -1 is the default.
QByteArray encoded(const QImage &picture, const char *format, int quality = -1);

// The line page as an SVG document, and as a PDF of `pages` A4 pages; below
// the drawing every page after the first has a black block, at a place of
// its own for pages 2 to 10.
QByteArray svgPage();
QByteArray pdfPage(int pages = 1);

} // namespace testpages
