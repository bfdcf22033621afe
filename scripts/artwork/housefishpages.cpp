// SPDX-License-Identifier: GPL-3.0-or-later
// Example pages: a house with a tree and a sun; a fish with bubbles and seaweed.
#include "pages.h"

#include "pagekit.h"

#include <QtMath>

namespace artwork {

namespace {

void drawSun(QPainter &p, QPointF c, qreal r)
{
    for (int i = 0; i < 8; ++i) {
        const qreal a = qDegreesToRadians(i * 45.0 + 22.5);
        const QPointF dir(qCos(a), qSin(a));
        drawLine(p, c + dir * (r + 7), c + dir * (r + 19));
    }
    drawShape(p, ellipsePath(c, r, r));
    drawDot(p, c + QPointF(-9, -6), 3, 4);
    drawDot(p, c + QPointF(9, -6), 3, 4);
    drawStroke(p, curvePath({c + QPointF(-11, 7), c + QPointF(-5, 14), c + QPointF(5, 14),
                             c + QPointF(11, 7)},
                            false));
}

void drawWindow(QPainter &p, QRectF r)
{
    QPainterPath frame;
    frame.addRect(r);
    drawShape(p, frame);
    drawLine(p, QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
    drawLine(p, QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
}

void drawBubble(QPainter &p, QPointF c, qreal r)
{
    drawShape(p, ellipsePath(c, r, r));
    drawStroke(p, curvePath({c + QPointF(-r * 0.6, 0), c + QPointF(-r * 0.6, -r * 0.4),
                             c + QPointF(-r * 0.4, -r * 0.6), c + QPointF(0, -r * 0.6)},
                            false));
}

// A blade of seaweed waving up from the sea floor at x, tapering to a point at height top.
void drawSeaweed(QPainter &p, qreal x, qreal top, qreal phase)
{
    constexpr int Steps = 24;
    QPolygonF left, right;
    for (int i = 0; i <= Steps; ++i) {
        const qreal t = qreal(i) / Steps;
        const qreal y = 396 - t * (396 - top);
        const qreal mid = x + 12 * qSin(phase + t * 2 * M_PI);
        const qreal half = 8 * (1 - t) + 4;
        left << QPointF(mid - half, y);
        right.prepend(QPointF(mid + half, y));
    }
    left << QPointF(x + 12 * qSin(phase + 2 * M_PI), top - 6);
    QPainterPath blade;
    blade.addPolygon(left + right);
    blade.closeSubpath();
    drawShape(p, blade);
}

} // namespace

QImage drawHousePage()
{
    QImage page = blankPage();
    QPainter p(&page);
    beginOutlines(p);

    drawSun(p, QPointF(286, 62), 30);

    // The tree beside the house: a trunk under a round crown with three apples.
    QPainterPath trunk;
    trunk.addRect(QRectF(280, 276, 30, 112));
    drawShape(p, trunk);
    drawShape(
        p, curvePath({QPointF(262, 298), QPointF(236, 298), QPointF(232, 252), QPointF(252, 246),
                      QPointF(242, 208), QPointF(292, 184), QPointF(308, 206), QPointF(338, 196),
                      QPointF(350, 250), QPointF(334, 262), QPointF(348, 290), QPointF(310, 310),
                      QPointF(298, 296), QPointF(286, 312), QPointF(256, 312), QPointF(262, 298)}));
    drawShape(p, ellipsePath(QPointF(270, 260), 7, 7));
    drawShape(p, ellipsePath(QPointF(306, 226), 7, 7));
    drawShape(p, ellipsePath(QPointF(318, 276), 7, 7));

    // Chimney, walls, roof.
    QPainterPath chimney;
    chimney.addRect(QRectF(178, 96, 28, 70));
    drawShape(p, chimney);
    QPainterPath walls;
    walls.addRect(QRectF(36, 196, 196, 192));
    drawShape(p, walls);
    drawShape(p, polygonPath({QPointF(134, 86), QPointF(250, 200), QPointF(18, 200)}));
    drawShape(p, ellipsePath(QPointF(134, 158), 16, 16));
    drawLine(p, QPointF(118, 158), QPointF(150, 158));
    drawLine(p, QPointF(134, 142), QPointF(134, 174));

    // Smoke puffs over the chimney.
    drawShape(p, ellipsePath(QPointF(200, 76), 9, 8));
    drawShape(p, ellipsePath(QPointF(214, 52), 12, 10));
    drawShape(p, ellipsePath(QPointF(234, 24), 14, 12));

    // Windows and a door with a knob and a step.
    drawWindow(p, QRectF(56, 222, 48, 44));
    drawWindow(p, QRectF(164, 222, 48, 44));
    QPainterPath door(QPointF(110, 388));
    door.lineTo(110, 302);
    door.arcTo(QRectF(110, 290, 24, 24), 180, -90);
    door.lineTo(148, 290);
    door.arcTo(QRectF(136, 290, 24, 24), 90, -90);
    door.lineTo(160, 388);
    door.closeSubpath();
    drawShape(p, door);
    drawShape(p, ellipsePath(QPointF(135, 312), 12, 10));
    drawDot(p, QPointF(150, 344), 4, 4);
    return page;
}

QImage drawFishPage()
{
    QImage page = blankPage();
    QPainter p(&page);
    beginOutlines(p);

    // Seaweed and stones on the sea floor.
    drawSeaweed(p, 250, 290, 0);
    drawSeaweed(p, 306, 310, 0.6);
    drawShape(p, ellipsePath(QPointF(60, 380), 40, 16));
    drawShape(p, ellipsePath(QPointF(118, 384), 24, 12));

    // Fins and tail behind the body.
    drawShape(
        p, curvePath({QPointF(100, 130), QPointF(120, 78), QPointF(190, 70), QPointF(214, 128)}));
    drawShape(
        p, curvePath({QPointF(150, 250), QPointF(160, 290), QPointF(196, 296), QPointF(206, 246)}));
    drawShape(p,
              curvePath({QPointF(256, 186), QPointF(290, 150), QPointF(320, 112), QPointF(336, 116),
                         QPointF(318, 160), QPointF(318, 214), QPointF(336, 256), QPointF(320, 262),
                         QPointF(288, 222), QPointF(256, 186)}));

    // Body with the gill line and two stripes.
    const QPainterPath body = ellipsePath(QPointF(158, 188), 116, 74);
    drawShape(p, body);
    p.save();
    p.setClipPath(body);
    drawStroke(p,
               curvePath({QPointF(98, 124), QPointF(120, 160), QPointF(120, 220), QPointF(98, 252)},
                         false));
    drawStroke(
        p, curvePath({QPointF(168, 110), QPointF(186, 160), QPointF(186, 220), QPointF(168, 266)},
                     false));
    drawStroke(
        p, curvePath({QPointF(206, 116), QPointF(224, 160), QPointF(224, 220), QPointF(206, 262)},
                     false));
    p.restore();
    drawShape(p, ellipsePath(QPointF(142, 204), 22, 12, -20));

    // Eye and mouth.
    drawShape(p, ellipsePath(QPointF(76, 170), 15, 15));
    drawDot(p, QPointF(72, 170), 6, 7);
    drawStroke(
        p,
        curvePath({QPointF(54, 204), QPointF(60, 212), QPointF(70, 212), QPointF(76, 204)}, false));

    drawBubble(p, QPointF(40, 88), 16);
    drawBubble(p, QPointF(70, 44), 12);
    drawBubble(p, QPointF(36, 18), 9);
    drawBubble(p, QPointF(296, 62), 18);
    return page;
}

} // namespace artwork
