// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop icons of the three programs: one design each, in 64 x 64 units, rendered as
// PNG at every size the icon theme asks for and written as a scalable SVG.
#pragma once

#include <QByteArray>
#include <QImage>

class QPainter;

namespace artwork {

// Paints an icon's design, in 64 x 64 units, with painter.
using IconDesign = void (*)(QPainter &painter);

void paintZedoIcon(QPainter &p);       // the colouring program: a crayon and its scribble
void paintZedoconfIcon(QPainter &p);   // the settings editor: colour swatches and sliders
void paintZedoimportIcon(QPainter &p); // the page importer: a new line drawing on a page

// The design as a transparent size x size image. Edges are hard at the larger sizes, as in
// the programs' other pictures; the small ones are smoothed so thin lines do not break up.
QImage drawAppIcon(IconDesign design, int size);

// The design as an SVG document of 64 x 64 units.
QByteArray drawAppIconSvg(IconDesign design, const QString &title);

} // namespace artwork
