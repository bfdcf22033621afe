// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLine>
#include <QWidget>

namespace forms {

// A straight line drawn on its container from (X1, Y1) to (X2, Y2), twips of
// the container, in BorderColor and BorderWidth pixels wide, with round ends
// as a wide pen draws it. It only shows: a press goes to the container.
class Line : public QWidget
{
    Q_OBJECT
public:
    explicit Line(QWidget *parent = nullptr);

    void setPoints(int x1, int y1, int x2, int y2);
    // The ends, in pixels of the container.
    QLine points() const { return {m_from, m_to}; }
    void setBorderColor(QColor color);
    QColor BorderColor() const { return m_color; }
    // In pixels; the line is never thinner than one pixel.
    void setBorderWidth(int width);
    int BorderWidth() const { return m_width; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The widget covers the line with its ends; it is moved and sized to fit
    // whenever the points or the width change.
    void applyGeometry();

    QPoint m_from;
    QPoint m_to;
    QColor m_color = Qt::black;
    int m_width = 1;
};

} // namespace forms
