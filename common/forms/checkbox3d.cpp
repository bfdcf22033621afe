// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/checkbox3d.h"

#include "forms/design.h"

#include <QPainter>
#include <qdrawutil.h>

namespace forms {

CheckBox3D::CheckBox3D(QWidget *parent) : ChoiceButton3D(parent)
{
}

void CheckBox3D::drawMark(QPainter &painter, const QRect &box) const
{
    const QPalette bevel = classicBevel(palette());
    const QBrush face(QColor(isDown() ? colors::lightGrey : colors::windowBackground));
    qDrawShadePanel(&painter, box, bevel, true /*sunken*/, 1 /*lineWidth*/, &face);
    if (Value()) {
        painter.setPen(QPen(Qt::black, 2));
        painter.drawPolyline(QPolygon{box.topLeft() + QPoint(3, 6), box.topLeft() + QPoint(5, 9),
                                      box.topLeft() + QPoint(10, 3)});
    }
}

} // namespace forms
