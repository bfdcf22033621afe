// SPDX-License-Identifier: GPL-3.0-or-later
// The default colouring page: a long balloon and an oval balloon whose strings meet in a bow.
#include "pages.h"

#include "pagekit.h"

namespace artwork {

namespace {

// The bow that ties both strings at c: two hanging ends, two loops and a knot over them.
void drawBow(QPainter &p, QPointF c)
{
    drawStroke(
        p, curvePath({c, c + QPointF(-6, 14), c + QPointF(-14, 24), c + QPointF(-20, 36)}, false));
    drawStroke(p,
               curvePath({c, c + QPointF(6, 14), c + QPointF(16, 22), c + QPointF(22, 34)}, false));
    drawShape(p, curvePath({c, c + QPointF(-14, -22), c + QPointF(-40, -16), c + QPointF(-34, 0),
                            c + QPointF(-30, 12), c + QPointF(-12, 8), c}));
    drawShape(p, curvePath({c, c + QPointF(14, -22), c + QPointF(40, -16), c + QPointF(34, 0),
                            c + QPointF(30, 12), c + QPointF(12, 8), c}));
    drawShape(p, ellipsePath(c, 7, 6));
}

} // namespace

QImage drawBalloonPage()
{
    QImage page = blankPage();
    QPainter p(&page);
    beginOutlines(p);

    const QPointF bow(176, 354);

    // Strings first, so the balloons and the bow cover their ends; both arrive from above.
    drawStroke(p, curvePath({QPointF(236, 240), QPointF(244, 290), QPointF(176, 290), bow}, false));
    drawStroke(p, curvePath({QPointF(117, 300), QPointF(118, 330), QPointF(176, 310), bow}, false));

    // The oval balloon on the right: round at the top, narrowing to its knot; a shine and a dot.
    drawShape(p, polygonPath(
                     {QPointF(229, 222), QPointF(243, 222), QPointF(250, 244), QPointF(222, 244)}));
    drawShape(p, curvePath({QPointF(236, 234), QPointF(204, 224), QPointF(154, 186),
                            QPointF(154, 122), QPointF(154, 66), QPointF(192, 30), QPointF(236, 30),
                            QPointF(280, 30), QPointF(318, 66), QPointF(318, 122),
                            QPointF(318, 186), QPointF(268, 224), QPointF(236, 234)}));
    drawShape(p, ellipsePath(QPointF(198, 80), 11, 26, 35));
    drawShape(p, ellipsePath(QPointF(182, 124), 6, 6));

    // The long balloon on the left, leaning, with its knot and a long shine.
    const QPointF longCentre(88, 166);
    const qreal lean = -12;
    drawShape(p, turned(polygonPath({QPointF(81, 286), QPointF(95, 286), QPointF(103, 308),
                                     QPointF(73, 308)}),
                        longCentre, lean));
    QPainterPath capsule;
    capsule.addRoundedRect(QRectF(longCentre.x() - 38, longCentre.y() - 128, 76, 256), 38, 46);
    drawShape(p, turned(capsule, longCentre, lean));
    QPainterPath shine;
    shine.addRoundedRect(QRectF(longCentre.x() - 24, longCentre.y() - 104, 14, 80), 7, 7);
    drawShape(p, turned(shine, longCentre, lean));

    drawBow(p, bow);
    drawCloud(p, QPointF(26, 350), 0.8);
    drawCloud(p, QPointF(260, 316), 0.85);
    return page;
}

} // namespace artwork
