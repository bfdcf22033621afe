#include "shape.h"

#include "design.h"

#include <QPainter>

namespace forms {

namespace {
constexpr int BorderWidth = 3;
}

Shape::Shape(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setFillColor(core::ColorValue value)
{
    m_fillColor = value;
    update();
}

void Shape::setBorderColor(QColor color)
{
    m_borderColor = color;
    update();
}

void Shape::setLeft(int value)
{
    m_left = value;
    applyGeometry();
}

void Shape::setTop(int value)
{
    m_top = value;
    applyGeometry();
}

void Shape::setWidth(int value)
{
    m_width = value;
    applyGeometry();
}

void Shape::setHeight(int value)
{
    m_height = value;
    applyGeometry();
}

void Shape::applyGeometry()
{
    place(this, m_left, m_top, m_width, m_height);
}

// The outline is the outer ring of the circle, so the circle keeps its size
// whatever the outline's width; no smoothing, so every pixel shown is exactly
// the outline or the fill colour.
void Shape::paintEvent(QPaintEvent *)
{
    const int diameter = std::min(width(), height());
    const QRect circle((width() - diameter) / 2, (height() - diameter) / 2, diameter, diameter);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_borderColor);
    painter.drawEllipse(circle);
    painter.setBrush(QColor(core::toRgb(m_fillColor)));
    painter.drawEllipse(circle.adjusted(BorderWidth, BorderWidth, -BorderWidth, -BorderWidth));
}

} // namespace forms
