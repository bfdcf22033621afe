#include "forms/optionbutton3d.h"

#include <QPainter>

namespace forms {

OptionButton3D::OptionButton3D(QWidget *parent, int index) : ChoiceButton3D(parent), m_index(index)
{
    setAutoExclusive(true);
    connect(this, &QAbstractButton::clicked, this,
            [this] { emit Click(m_index, Value() ? -1 : 0); });
}

void OptionButton3D::drawMark(QPainter &painter, const QRect &box) const
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
    if (Value()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawEllipse(QRectF(box).adjusted(3.5, 3.5, -3.5, -3.5));
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

} // namespace forms
