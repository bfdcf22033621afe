#include "forms/panel3d.h"

#include "forms/design.h"

#include <QPainter>
#include <qdrawutil.h>

namespace forms {

Panel3D::Panel3D(QWidget *parent, int index) : QWidget(parent), m_index(index)
{
}

void Panel3D::setBackColor(QColor color)
{
    m_backColor = color;
    // The controls the panel holds draw their surroundings in its colour.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, color);
    setPalette(colours);
    update();
}

void Panel3D::setCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void Panel3D::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_backColor);
    const QPalette bevel = classicBevel(palette());
    qDrawShadePanel(&painter, rect(), bevel, false /*raised*/, 1 /*lineWidth*/);
    painter.setPen(Qt::black);
    painter.drawText(rect(), Qt::AlignCenter, m_caption);
}

void Panel3D::mousePressEvent(QMouseEvent *)
{
    emit Click(m_index);
}

void Panel3D::mouseDoubleClickEvent(QMouseEvent *)
{
    emit DblClick(m_index);
}

} // namespace forms
