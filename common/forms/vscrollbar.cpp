// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/vscrollbar.h"

#include "forms/accessible.h"
#include "forms/design.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionSlider>

namespace forms {

VScrollBar::VScrollBar(QWidget *parent) : ScrollBar(Qt::Vertical, parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setTracking(false);
    applyRange();
    connect(this, &QAbstractSlider::valueChanged, this, &VScrollBar::Change);
    describeControls();
}

void VScrollBar::setMin(int min)
{
    const int value = Value();
    m_min = min;
    applyRange();
    setValue(value);
}

void VScrollBar::setMax(int max)
{
    const int value = Value();
    m_max = max;
    applyRange();
    setValue(value);
}

void VScrollBar::setValue(int value)
{
    QScrollBar::setValue(direction() * value);
}

int VScrollBar::Value() const
{
    return direction() * value();
}

QRect VScrollBar::partRect(QStyle::SubControl part) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_ScrollBar, &option, part, this);
}

void VScrollBar::applyRange()
{
    setRange(direction() * m_min, direction() * m_max);
}

void VScrollBar::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        ScrollBar::keyPressEvent(event);
        break;
    default:
        event->ignore();
    }
}

void VScrollBar::paintEvent(QPaintEvent *event)
{
    ScrollBar::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    drawFocusMark(painter, partRect(QStyle::SC_ScrollBarSlider).adjusted(2, 2, -2, -2));
}

} // namespace forms
