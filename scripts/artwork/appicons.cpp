// SPDX-License-Identifier: GPL-3.0-or-later
#include "appicons.h"

#include <QBuffer>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <QtMath>

namespace artwork {

namespace {

// Below this size the design's lines are narrower than a pixel and a half, which hard edges
// would drop in places and double in others.
constexpr int SmoothBelow = 48;

QPen outlinePen(qreal width, QColor colour = Qt::black)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void drawTile(QPainter &p, QColor fill)
{
    p.setPen(outlinePen(2));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(3, 3, 58, 58), 10, 10);
}

} // namespace

void paintZedoIcon(QPainter &p)
{
    drawTile(p, QColor(255, 255, 128));

    // A looping scribble (a prolate cycloid with two loops) ending at the crayon's point.
    QPainterPath scribble;
    const qreal turns = 4 * M_PI;
    for (int i = 0; i <= 120; ++i) {
        const qreal t = turns * i / 120;
        const QPointF point(9 + 2.4 * t + 9 * qSin(t), 35 + 14 * qCos(t));
        if (i == 0)
            scribble.moveTo(point);
        else
            scribble.lineTo(point);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(outlinePen(4, QColor(230, 0, 0)));
    p.drawPath(scribble);

    // A red crayon with a white wrapper, lying up and to the right from its point.
    p.translate(scribble.currentPosition());
    p.rotate(-40);
    p.setPen(outlinePen(2));
    p.setBrush(QColor(230, 0, 0));
    p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(8, -5), QPointF(8, 5)}));
    p.drawRect(QRectF(8, -5, 16, 10));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(12, -5, 8, 10));
}

void paintZedoconfIcon(QPainter &p)
{
    drawTile(p, QColor(192, 192, 192));

    // Four colour swatches like the colouring program's palette.
    const QColor swatches[] = {QColor(255, 0, 0), QColor(0, 0, 255), QColor(255, 255, 0),
                               QColor(0, 192, 0)};
    p.setPen(outlinePen(2));
    for (int i = 0; i < 4; ++i) {
        p.setBrush(swatches[i]);
        p.drawEllipse(QRectF(9 + 12 * i, 9, 10, 10));
    }
    // Two sliders.
    for (int i = 0; i < 2; ++i) {
        const qreal y = 31 + i * 16;
        p.setBrush(QColor(255, 255, 255));
        p.drawRoundedRect(QRectF(9, y - 2, 46, 4), 2, 2);
        p.setBrush(i == 0 ? QColor(255, 128, 0) : QColor(160, 0, 200));
        p.drawRect(QRectF(i == 0 ? 36 : 18, y - 6, 8, 12));
    }
}

void paintZedoimportIcon(QPainter &p)
{
    drawTile(p, QColor(128, 200, 255));

    // A white page with a folded corner and a flower drawn in black lines.
    p.setPen(outlinePen(2));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF(
        {QPointF(14, 8), QPointF(40, 8), QPointF(50, 18), QPointF(50, 56), QPointF(14, 56)}));
    p.drawPolyline(QPolygonF({QPointF(40, 8), QPointF(40, 18), QPointF(50, 18)}));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(31, 32);
        p.rotate(i * 72);
        p.drawEllipse(QRectF(-4, -15, 8, 11));
        p.restore();
    }
    p.drawEllipse(QPointF(31, 32), 4, 4);
    p.drawLine(QPointF(31, 44), QPointF(31, 52));

    // A green plus: a page that is new.
    p.setBrush(QColor(0, 170, 0));
    p.drawEllipse(QPointF(48, 48), 10, 10);
    p.setPen(outlinePen(3, Qt::white));
    p.drawLine(QPointF(48, 42), QPointF(48, 54));
    p.drawLine(QPointF(42, 48), QPointF(54, 48));
}

QImage drawAppIcon(IconDesign design, int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, size < SmoothBelow);
    painter.scale(size / 64.0, size / 64.0);
    design(painter);
    return image;
}

QByteArray drawAppIconSvg(IconDesign design, const QString &title)
{
    QBuffer svg;
    QSvgGenerator generator;
    generator.setOutputDevice(&svg);
    generator.setTitle(title);
    generator.setSize(QSize(64, 64));
    generator.setViewBox(QRect(0, 0, 64, 64));
    generator.setResolution(96);
    QPainter painter(&generator);
    // The document carries the painter's font: without an application's default, an invalid one.
    painter.setFont(QFont(QStringLiteral("sans-serif"), 8));
    design(painter);
    painter.end();
    return svg.data();
}

} // namespace artwork
