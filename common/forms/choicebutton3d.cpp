#include "forms/choicebutton3d.h"

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

void ChoiceButton3D::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawMark(painter, markBox());
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
    painter.setPen(Qt::black);
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter, text());
    if (hasFocus()) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(painter.boundingRect(caption, Qt::AlignLeft | Qt::AlignVCenter, text())
                             .adjusted(-1, 0, 0, -1));
    }
}

} // namespace forms
