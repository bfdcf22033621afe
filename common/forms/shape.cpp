// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/shape.h"

#include "core/raster.h"
#include "forms/accessible.h"
#include "forms/design.h"

#include <QAccessible>
#include <QPainter>

namespace forms {

namespace {
constexpr int BorderWidth = 3;
}

Shape::Shape(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    describeControls();
}

void Shape::setFillColor(core::ColorValue value)
{
    m_fillColor = value;
    update();
    // A screen reader names the shape by its colour.
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
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
// whatever the outline's width. Drawn as two round dots, so every pixel shown
// is exactly the outline or the fill colour, the same circle at any scale.
void Shape::paintEvent(QPaintEvent *)
{
    const int diameter = std::min(width(), height());
    const double centreX = (width() - diameter) / 2 + diameter / 2;
    const double centreY = (height() - diameter) / 2 + diameter / 2;
    QImage circle(size(), QImage::Format_ARGB32_Premultiplied);
    circle.fill(Qt::transparent);
    core::PSet(circle, centreX, centreY, diameter, m_borderColor.rgb());
    core::PSet(circle, centreX, centreY, diameter - 2 * BorderWidth, core::toRgb(m_fillColor));
    QPainter(this).drawImage(0, 0, circle);
}

} // namespace forms
