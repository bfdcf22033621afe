// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/line.h"

#include "forms/accessible.h"
#include "forms/design.h"

#include <QPainter>

namespace forms {

Line::Line(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    describeControls();
}

void Line::setPoints(int x1, int y1, int x2, int y2)
{
    m_from = QPoint(twips(x1), twips(y1));
    m_to = QPoint(twips(x2), twips(y2));
    applyGeometry();
}

void Line::setBorderColor(QColor color)
{
    m_color = color;
    update();
}

void Line::setBorderWidth(int width)
{
    m_width = std::max(width, 1);
    applyGeometry();
}

void Line::applyGeometry()
{
    const int reach = m_width / 2 + 1;
    setGeometry(QRect(m_from, m_to).normalized().adjusted(-reach, -reach, reach, reach));
    update();
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(m_color, m_width, Qt::SolidLine, Qt::RoundCap));
    // An odd width is centred on the middle of the pixel, so that its edges
    // fall on pixel borders and the line is exactly that many pixels wide.
    const QPointF shift = m_width % 2 ? QPointF(0.5, 0.5) : QPointF();
    const QPointF origin = QPointF(pos()) - shift;
    painter.drawLine(QPointF(m_from) - origin, QPointF(m_to) - origin);
}

} // namespace forms
