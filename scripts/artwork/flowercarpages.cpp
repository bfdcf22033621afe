// SPDX-License-Identifier: GPL-3.0-or-later
// Example pages: a flower in a pot with a butterfly; a car under a cloud and a sun.
#include "pages.h"

#include "pagekit.h"

#include <QtMath>

namespace artwork {

namespace {

void drawButterfly(QPainter &p, QPointF c, qreal k)
{
    const auto at = [&](qreal x, qreal y) { return c + QPointF(x, y) * k; };
    drawStroke(p, curvePath({at(0, -19), at(-4, -26), at(-10, -29), at(-16, -30)}, false));
    drawStroke(p, curvePath({at(0, -19), at(4, -26), at(10, -29), at(16, -30)}, false));
    drawDot(p, at(-16, -30), 3, 3);
    drawDot(p, at(16, -30), 3, 3);
    // The wings reach under the body and overlap, so no sliver is left between them.
    for (const int side : {-1, 1}) {
        drawShape(p, ellipsePath(at(side * 14, 11), 13 * k, 10 * k, side * 30));
        drawShape(p, ellipsePath(at(side * 17, -8), 18 * k, 14 * k, side * -20));
        drawShape(p, ellipsePath(at(side * 20, -9), 6 * k, 5 * k));
    }
    drawShape(p, ellipsePath(c, 5 * k, 20 * k));
}

void drawWheel(QPainter &p, QPointF c)
{
    drawShape(p, ellipsePath(c, 34, 34));
    drawShape(p, ellipsePath(c, 16, 16));
    drawShape(p, ellipsePath(c, 5, 5));
}

} // namespace

QImage drawFlowerPage()
{
    QImage page = blankPage();
    QPainter p(&page);
    beginOutlines(p);

    drawButterfly(p, QPointF(294, 58), 1.3);

    // Stem with two leaves, then the pot over the stem's foot.
    drawShape(
        p, curvePath({QPointF(164, 180), QPointF(160, 230), QPointF(176, 260), QPointF(166, 310),
                      QPointF(178, 310), QPointF(188, 260), QPointF(174, 230), QPointF(176, 180)}));
    drawShape(p,
              curvePath({QPointF(170, 262), QPointF(140, 228), QPointF(96, 230), QPointF(84, 244),
                         QPointF(110, 272), QPointF(150, 276), QPointF(170, 262)}));
    drawShape(p,
              curvePath({QPointF(180, 236), QPointF(210, 200), QPointF(254, 202), QPointF(266, 214),
                         QPointF(240, 244), QPointF(200, 250), QPointF(180, 236)}));
    drawStroke(
        p, curvePath({QPointF(160, 262), QPointF(140, 250), QPointF(116, 246), QPointF(98, 244)},
                     false));
    drawStroke(
        p, curvePath({QPointF(190, 234), QPointF(210, 222), QPointF(234, 216), QPointF(254, 214)},
                     false));
    drawShape(p, polygonPath(
                     {QPointF(112, 320), QPointF(236, 320), QPointF(220, 396), QPointF(128, 396)}));
    QPainterPath rim;
    rim.addRect(QRectF(100, 298, 148, 26));
    drawShape(p, rim);
    drawShape(p,
              curvePath({QPointF(150, 346), QPointF(160, 334), QPointF(174, 344), QPointF(174, 350),
                         QPointF(174, 344), QPointF(188, 334), QPointF(198, 346), QPointF(204, 360),
                         QPointF(186, 372), QPointF(174, 382), QPointF(162, 372), QPointF(144, 360),
                         QPointF(150, 346)}));

    // Eight petals round the middle.
    const QPointF centre(170, 112);
    for (int i = 0; i < 8; ++i) {
        const qreal a = qDegreesToRadians(i * 45.0);
        drawShape(p, ellipsePath(centre + QPointF(qCos(a), qSin(a)) * 54, 36, 22, i * 45.0));
    }
    drawShape(p, ellipsePath(centre, 32, 32));
    drawDot(p, centre + QPointF(-11, -8), 4, 5);
    drawDot(p, centre + QPointF(11, -8), 4, 5);
    drawStroke(p, curvePath({centre + QPointF(-14, 8), centre + QPointF(-6, 18),
                             centre + QPointF(6, 18), centre + QPointF(14, 8)},
                            false));
    return page;
}

QImage drawCarPage()
{
    QImage page = blankPage();
    QPainter p(&page);
    beginOutlines(p);

    drawCloud(p, QPointF(42, 50), 1.3);
    drawShape(p, ellipsePath(QPointF(290, 56), 30, 30));
    for (int i = 0; i < 8; ++i) {
        const qreal a = qDegreesToRadians(i * 45.0);
        const QPointF dir(qCos(a), qSin(a));
        drawLine(p, QPointF(290, 56) + dir * 38, QPointF(290, 56) + dir * 50);
    }

    // Two birds far away.
    drawStroke(
        p, curvePath({QPointF(150, 130), QPointF(156, 122), QPointF(164, 122), QPointF(168, 132),
                      QPointF(172, 122), QPointF(180, 122), QPointF(186, 130)},
                     false));
    drawStroke(
        p, curvePath({QPointF(196, 160), QPointF(200, 154), QPointF(206, 154), QPointF(209, 161),
                      QPointF(212, 154), QPointF(218, 154), QPointF(222, 160)},
                     false));

    // The car, lowered to stand near the foot of the page; exhaust puffs behind it.
    p.translate(0, 26);
    drawShape(p, ellipsePath(QPointF(22, 296), 9, 8));
    drawShape(p, ellipsePath(QPointF(28, 270), 6, 5));

    // Cabin with two windows, then the body over the windows' feet.
    drawShape(p, polygonPath({QPointF(80, 244), QPointF(104, 186), QPointF(118, 174),
                              QPointF(224, 174), QPointF(240, 186), QPointF(286, 244)}));
    drawShape(p, polygonPath(
                     {QPointF(100, 242), QPointF(120, 190), QPointF(172, 190), QPointF(172, 242)}));
    drawShape(p, polygonPath(
                     {QPointF(186, 242), QPointF(186, 190), QPointF(230, 190), QPointF(264, 242)}));
    QPainterPath body;
    body.addRoundedRect(QRectF(40, 236, 296, 76), 24, 24);
    drawShape(p, body);
    drawLine(p, QPointF(180, 238), QPointF(180, 300));
    QPainterPath handle;
    handle.addRoundedRect(QRectF(192, 252, 26, 9), 4, 4);
    drawShape(p, handle);
    drawShape(p, ellipsePath(QPointF(320, 260), 7, 11));
    QPainterPath tailLight;
    tailLight.addRect(QRectF(46, 250, 10, 20));
    drawShape(p, tailLight);
    QPainterPath bumper;
    bumper.addRoundedRect(QRectF(34, 300, 306, 16), 8, 8);
    drawShape(p, bumper);

    drawWheel(p, QPointF(112, 318));
    drawWheel(p, QPointF(266, 318));
    return page;
}

} // namespace artwork
