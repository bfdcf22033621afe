// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/imagebox.h"

#include "forms/accessible.h"
#include "forms/design.h"

#include <QPainter>

namespace forms {

ImageBox::ImageBox(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    describeControls();
}

void ImageBox::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void ImageBox::setSingleBorder(bool on)
{
    m_singleBorder = on;
    update();
}

void ImageBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect inside = m_singleBorder ? rect().adjusted(1, 1, -1, -1) : rect();
    if (!m_picture.isNull()) {
        // Smoothing keeps the thin lines of a drawing visible when it is
        // shrunk to a preview, instead of dropping whole rows of pixels.
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(inside, paintable(m_picture));
    }
    if (m_singleBorder) {
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace forms
