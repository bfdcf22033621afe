// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QWidget>

namespace forms {
class Panel3D;
class PictureBox;
} // namespace forms

namespace zedo {

// The size of the page picture in twips, for code that works without the
// window: the part of the canvas that is kept and printed.
inline constexpr QSize PageTwips(5295, 6135);

// zedo's Form2 is the print page (in zedoconf, Form2 is the settings window): a
// window that is never shown. Its page picture always holds the latest painting
// of the canvas, and the whole window is what is printed.
class Form2 : public QWidget
{
    Q_OBJECT
public:
    Form2();

    forms::Panel3D *Panel3D2 = nullptr;
    forms::PictureBox *Picture1 = nullptr;
};

} // namespace zedo
