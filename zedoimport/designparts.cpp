// SPDX-License-Identifier: GPL-3.0-or-later
#include "zedoimport/designparts.h"

#include "forms/commandbutton3d.h"
#include "forms/design.h"
#include "forms/label.h"

namespace zedoimport::design {

forms::Label *caption(QWidget *window, const QString &text, double points)
{
    auto *label = new forms::Label(window);
    label->setCaption(text);
    label->setFont(forms::designFont(SansSerif, points, true));
    label->setBackColor(QColor(forms::colors::lightYellow));
    label->setAlignment(Qt::AlignLeft);
    return label;
}

forms::CommandButton3D *command(QWidget *window, const QString &text)
{
    auto *button = new forms::CommandButton3D(window);
    button->setCaption(text);
    button->setFont(forms::designFont(SansSerif, 12, true));
    return button;
}

} // namespace zedoimport::design
