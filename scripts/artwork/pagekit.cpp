// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagekit.h"

#include <QTransform>

namespace artwork {

QImage blankPage()
{
    QImage page(PageWidth, PageHeight, QImage::Format_RGB32);
    page.fill(Qt::white);
    return page;
}

void beginOutlines(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

QPainterPath ellipsePath(QPointF centre, qreal rx, qreal ry, qreal angle)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return turned(path, centre, angle);
}

QPainterPath polygonPath(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath curvePath(std::initializer_list<QPointF> points, bool closed)
{
    const QList<QPointF> p(points);
    QPainterPath path(p.first());
    for (qsizetype i = 1; i + 2 < p.size(); i += 3)
        path.cubicTo(p[i], p[i + 1], p[i + 2]);
    if (closed)
        path.closeSubpath();
    return path;
}

QPainterPath turned(const QPainterPath &path, QPointF centre, qreal angle)
{
    if (angle == 0)
        return path;
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(angle);
    t.translate(-centre.x(), -centre.y());
    return t.map(path);
}

void drawShape(QPainter &painter, const QPainterPath &path)
{
    painter.setBrush(Qt::white);
    painter.drawPath(path);
}

void drawStroke(QPainter &painter, const QPainterPath &path)
{
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

void drawDot(QPainter &painter, QPointF centre, qreal rx, qreal ry)
{
    painter.setBrush(Qt::black);
    painter.drawEllipse(centre, rx, ry);
}

void drawCloud(QPainter &painter, QPointF at, qreal scale)
{
    const auto s = [&](qreal x, qreal y) { return at + QPointF(x, y) * scale; };
    drawShape(painter,
              curvePath({s(0, 30), s(-14, 30), s(-16, 10), s(0, 8), s(2, -8), s(24, -12), s(30, 0),
                         s(36, -16), s(64, -12), s(62, 6), s(80, 6), s(80, 30), s(64, 30)}));
}

void drawLine(QPainter &painter, QPointF a, QPointF b)
{
    painter.drawLine(a, b);
}

} // namespace artwork
