// SPDX-License-Identifier: GPL-3.0-or-later
// Small pixel-art tools for the button pictures and icons: shapes classified pixel by pixel
// along an axis, inner outlines, and glyphs stamped from rows of characters.
#pragma once

#include <QImage>
#include <QPointF>
#include <QStringList>

#include <functional>
#include <optional>

namespace artwork {

// A fully transparent ARGB32 image of size.
QImage transparentImage(QSize size);

// Colour of a pixel at distance u along an axis and v across it (v > 0 on the right-hand side
// when looking from the axis start to its end, in screen coordinates); nullopt leaves it alone.
using AxisShader = std::function<std::optional<QRgb>(qreal u, qreal v)>;

// Paints into image every pixel whose centre the shader colours, the axis running from start
// to end (pixel coordinates of centres are x + 0.5, y + 0.5).
void paintAlong(QImage &image, QPointF start, QPointF end, const AxisShader &shader);

// Recolours, in an ARGB32 layer, each opaque pixel that has a transparent 4-neighbour (or lies
// on the image edge) with colour: a one-pixel outline just inside the shape.
void outlineInside(QImage &layer, QRgb colour);

// Draws layer over image, opaque pixels only (layers hold no half-transparent pixels).
void drawLayer(QImage &image, const QImage &layer, QPoint at = QPoint());

// Sets to colour each pixel of rows that is not a space or '.', with the first row at 'at'.
void stampRows(QImage &image, QPoint at, const QStringList &rows, QRgb colour);

// Sets one pixel if it lies inside the image.
void plot(QImage &image, int x, int y, QRgb colour);

} // namespace artwork
