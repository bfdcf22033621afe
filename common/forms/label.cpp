// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/label.h"

namespace forms {

Label::Label(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAutoFillBackground(true);
    setAlignment(Qt::AlignLeft);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
}

void Label::setBackColor(QColor color)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, color);
    setPalette(colours);
}

QColor Label::BackColor() const
{
    return palette().color(QPalette::Window);
}

void Label::setAlignment(Qt::Alignment horizontal)
{
    QLabel::setAlignment((horizontal & Qt::AlignHorizontal_Mask) | Qt::AlignTop);
}

void Label::setSingleBorder(bool on)
{
    // A plain box is drawn in the text colour, black.
    setFrameStyle(on ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    setLineWidth(1);
}

} // namespace forms
