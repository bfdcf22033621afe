// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/choicebutton3d.h"

#include "forms/design.h"

#include <QPainter>

namespace forms {

namespace {
constexpr int MarkSize = 13;
constexpr int CaptionGap = 5;
} // namespace

ChoiceButton3D::ChoiceButton3D(QWidget *parent) : QAbstractButton(parent)
{
    setCheckable(true);
}

QSize ChoiceButton3D::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {MarkSize + CaptionGap + metrics.horizontalAdvance(text()),
            std::max(MarkSize, metrics.height())};
}

QRect ChoiceButton3D::markBox() const
{
    return {0, (height() - MarkSize) / 2, MarkSize, MarkSize};
}

// The mark draws with pens and brushes of its own; the caption starts afresh.
void ChoiceButton3D::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.save();
    drawMark(painter, markBox());
    painter.restore();
    QRect caption(MarkSize + CaptionGap, 0, width() - MarkSize - CaptionGap, height());
    // The faces standing in for the designs' font run wider than it did, so a
    // caption that would be cut off is narrowed, never shortened.
    const int textWidth = painter.fontMetrics().horizontalAdvance(text());
    if (textWidth > caption.width() && caption.width() > 0) {
        const qreal narrowing = qreal(caption.width()) / textWidth;
        painter.translate(caption.left(), 0);
        painter.scale(narrowing, 1.0);
        caption = QRect(0, 0, textWidth, height());
    }
    const int alignment = Qt::AlignLeft | Qt::AlignVCenter;
    if (hasFocus()) {
        const QRect around = painter.transform().mapRect(
            painter.boundingRect(caption, alignment, text()).adjusted(-1, 0, 1, 0));
        painter.save();
        painter.resetTransform();
        drawFocusMark(painter, around & rect());
        painter.restore();
    }
    painter.setPen(captionColor(isEnabled()));
    painter.drawText(caption, alignment, text());
}

} // namespace forms
