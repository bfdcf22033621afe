// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/panel3d.h"

#include "forms/accessible.h"
#include "forms/design.h"

#include <QKeyEvent>
#include <QPainter>
#include <qdrawutil.h>

namespace forms {

Panel3D::Panel3D(QWidget *parent, int index) : QWidget(parent), m_index(index)
{
    describeControls();
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
    if (hasFocus())
        drawFocusMark(painter, rect().adjusted(3, 3, -3, -3));
    painter.setPen(Qt::black);
    painter.drawText(rect(), Qt::AlignCenter, m_caption);
}

void Panel3D::click()
{
    emit Click(m_index);
}

void Panel3D::mousePressEvent(QMouseEvent *)
{
    click();
}

void Panel3D::mouseDoubleClickEvent(QMouseEvent *)
{
    emit DblClick(m_index);
}

// Held down, Space clicks once: a key repeating is not a new press.
void Panel3D::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Space) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat())
        click();
}

} // namespace forms
