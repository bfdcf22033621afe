// SPDX-License-Identifier: GPL-3.0-or-later
#include "zedo/form2.h"

#include "forms/design.h"
#include "forms/panel3d.h"
#include "forms/picturebox.h"

namespace zedo {

using forms::place;

// Only the window design: the page picture is filled by the main window's
// commit, and the window is printed, never shown.
Form2::Form2() : QWidget(nullptr)
{
    setWindowTitle(QStringLiteral("Form2"));
    forms::setBackColor(this, forms::colors::windowBackground);
    setFont(forms::designFont(QStringLiteral("MS Sans Serif"), 8.25, true));
    // Printing takes the window at its design size: it is never shown, so
    // being maximized would not change it.
    setFixedSize(forms::twips(9180), forms::twips(6975));
    setWindowState(Qt::WindowMaximized);

    Panel3D2 = new forms::Panel3D(this);
    place(Panel3D2, 3000, 360, 5775, 6615);
    Panel3D2->setBackColor(QColor(forms::colors::lightGrey));
    Panel3D2->setCaption(QStringLiteral("Panel3D2"));
    Panel3D2->setFont(forms::designFont(QStringLiteral("MS Sans Serif"), 8.25, true));

    Picture1 = new forms::PictureBox(Panel3D2);
    place(Picture1, 240, 240, PageTwips.width(), PageTwips.height());
    Picture1->setBackColor(QColor(forms::colors::windowBackground));
    Picture1->setFillColor(0x0000FF);
    Picture1->setDrawWidth(1);
    Picture1->setAutoRedraw(true);
    Picture1->setScaleUnit(forms::PictureBox::ScaleUnit::Pixel);
}

} // namespace zedo
