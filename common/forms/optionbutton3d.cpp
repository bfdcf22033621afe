// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/optionbutton3d.h"

#include "forms/design.h"

#include <QPainter>

#include <algorithm>

namespace forms {

OptionButton3D::OptionButton3D(QWidget *parent, int index) : ChoiceButton3D(parent), m_index(index)
{
    setAutoExclusive(true);
    connect(this, &QAbstractButton::clicked, this,
            [this] { emit Click(m_index, Value() ? -1 : 0); });
    connect(this, &QAbstractButton::toggled, this, &OptionButton3D::keepTabStop);
    keepTabStop();
}

// Qt would stop at whichever option of the container had the focus last,
// at first the first one, set or not.
void OptionButton3D::keepTabStop()
{
    if (!parentWidget())
        return;
    const QList<OptionButton3D *> options =
        parentWidget()->findChildren<OptionButton3D *>(Qt::FindDirectChildrenOnly);
    const bool anySet =
        std::any_of(options.begin(), options.end(), [](auto *option) { return option->Value(); });
    for (OptionButton3D *option : options)
        option->setFocusPolicy(!anySet || option->Value() ? Qt::StrongFocus : Qt::ClickFocus);
}

void OptionButton3D::drawMark(QPainter &painter, const QRect &box) const
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    painter.setBrush(QColor(isDown() ? colors::lightGrey : colors::windowBackground));
    painter.drawEllipse(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
    if (Value()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawEllipse(QRectF(box).adjusted(3.5, 3.5, -3.5, -3.5));
    }
}

} // namespace forms
