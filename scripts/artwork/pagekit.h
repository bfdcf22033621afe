// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers shared by the colouring pages: a blank page and black-on-white outline shapes drawn
// without anti-aliasing, so every pixel stays pure black or pure white.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

#include <initializer_list>

namespace artwork {

// Page size of the default colouring page and of the example pages.
inline constexpr int PageWidth = 386;
inline constexpr int PageHeight = 410;
// The drawing must stay left of and above these lines (the canvas shows 353 x 409 px).
inline constexpr int DrawLimitX = 345;
inline constexpr int DrawLimitY = 400;

// A white page in Format_RGB32.
QImage blankPage();

// Sets up painter for outlines: no anti-aliasing, round-jointed black pen 2 px wide.
void beginOutlines(QPainter &painter);

// An ellipse around centre with radii rx, ry, turned by angle degrees (clockwise on screen).
QPainterPath ellipsePath(QPointF centre, qreal rx, qreal ry, qreal angle = 0);

// A closed polygon through points.
QPainterPath polygonPath(std::initializer_list<QPointF> points);

// A closed shape built of cubic Bezier segments: start, then triples (c1, c2, end) per segment.
QPainterPath curvePath(std::initializer_list<QPointF> points, bool closed = true);

// path turned by angle degrees around centre.
QPainterPath turned(const QPainterPath &path, QPointF centre, qreal angle);

// Covers what lies behind path with white and outlines it: a closed area to fill.
void drawShape(QPainter &painter, const QPainterPath &path);

// Outlines path without covering anything (strings, rays, dividing lines).
void drawStroke(QPainter &painter, const QPainterPath &path);

// A solid black dot (eyes, pupils): detail that leaves no tiny area to fill.
void drawDot(QPainter &painter, QPointF centre, qreal rx, qreal ry);

// A small cloud of four puffs with a flat foot; at is the left end of the foot, scale 1 is
// about 96 x 42 px.
void drawCloud(QPainter &painter, QPointF at, qreal scale);

// A straight stroke from a to b.
void drawLine(QPainter &painter, QPointF a, QPointF b);

} // namespace artwork
