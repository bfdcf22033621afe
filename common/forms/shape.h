// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/colortable.h"

#include <QWidget>

namespace forms {

// A circle on its container: the diameter is the smaller side of its box, and
// it is centred in the box. Solid fill, an outline three pixels wide, and
// transparent outside. Presses go through to the container beneath. A screen
// reader names it by its fill colour.
// Left, Top, Width and Height are twips of the container.
class Shape : public QWidget
{
    Q_OBJECT
public:
    explicit Shape(QWidget *parent = nullptr);

    void setFillColor(core::ColorValue value);
    core::ColorValue FillColor() const { return m_fillColor; }
    void setBorderColor(QColor color);

    void setLeft(int value);
    void setTop(int value);
    void setWidth(int value);
    void setHeight(int value);
    int Left() const { return m_left; }
    int Top() const { return m_top; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void applyGeometry();

    core::ColorValue m_fillColor = 0x0000FF;
    QColor m_borderColor = Qt::black;
    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
};

} // namespace forms
