// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/commandbutton3d.h"

#include "forms/design.h"

#include <QPainter>
#include <qdrawutil.h>

namespace forms {

namespace {
constexpr int Gap = 2;
}

CommandButton3D::CommandButton3D(QWidget *parent) : QAbstractButton(parent)
{
    connect(this, &QAbstractButton::clicked, this, &CommandButton3D::Click);
}

void CommandButton3D::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

QSize CommandButton3D::sizeHint() const
{
    return {57, 81};
}

void CommandButton3D::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(colors::lightGrey));
    const QPalette bevel = classicBevel(palette());
    qDrawWinButton(&painter, rect(), bevel, isDown());
    if (hasFocus())
        drawFocusMark(painter, rect().adjusted(4, 4, -4, -4));

    // Picture over caption, the pair centred; pressed, both move down a pixel.
    const QFontMetrics metrics(font());
    const int textHeight = text().isEmpty() ? 0 : metrics.height();
    const int pictureHeight = m_picture.isNull() ? 0 : m_picture.height();
    const int gap = textHeight && pictureHeight ? Gap : 0;
    const int shift = isDown() ? 1 : 0;
    int top = (height() - pictureHeight - gap - textHeight) / 2 + shift;
    if (pictureHeight) {
        painter.drawImage((width() - m_picture.width()) / 2 + shift, top, m_picture);
        top += pictureHeight + gap;
    }
    painter.setPen(captionColor(isEnabled()));
    painter.drawText(QRect(shift, top, width(), textHeight), Qt::AlignHCenter | Qt::AlignTop,
                     text());
}

} // namespace forms
