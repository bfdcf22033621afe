// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPalette>
#include <QRgb>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;
class QWidget;

namespace forms {

// Window designs give places and sizes in twips, 1/1440 inch: at 96 dots per
// inch 15 of them make one pixel. Rounded to the nearest pixel.
constexpr int twips(int value)
{
    return value >= 0 ? (value + 7) / 15 : -((-value + 7) / 15);
}

constexpr QSize twips(QSize size)
{
    return {twips(size.width()), twips(size.height())};
}

// Sets a control's place and size, given in twips of its container.
void place(QWidget *control, int left, int top, int width, int height);

// Gives a window its fixed client size (twips) and puts it in the middle of
// the screen. Done by hand so the window looks right with or without a window
// manager.
void placeCentred(QWidget *window, QSize clientSize);

// Chains the controls of a window in the design's tab order, each given once
// with the controls that take no focus (panels, labels, disabled or hidden
// ones) left where the design puts them, and gives the focus to the first
// that can take it, as the window shows.
void applyTabOrder(const QList<QWidget *> &controls);

// Fills a window's or a control's face with a colour of its design.
void setBackColor(QWidget *widget, QRgb color);

// A font of the designs: face, size in points (as pixels at 96 dots per inch,
// so the look does not depend on the screen) and weight.
QFont designFont(const QString &face, double points, bool bold);

// The look every window of the programs is designed for, the same on every
// desktop: the Fusion style, and faces present here for the fonts the designs
// name. Called once, right after the application object is made.
void useDesignLooks();

// The colours of the classic raised and sunken edges over `base`: white
// where the light falls, grey in the shadow, whatever the desktop's scheme.
QPalette classicBevel(QPalette base);

// The focus mark of the controls: a frame of dots on every other pixel along
// the inside of `frame`, as in a classic desktop. Controls draw their caption
// after it, so it never hides a letter.
void drawFocusMark(QPainter &painter, const QRect &frame);

// The colour of a caption: window text, or grey while the control is disabled.
QColor captionColor(bool enabled);

// A picture as a painter should be given it. Qt turns a picture with a
// colour table (a bitmap of 256 colours or fewer) into ARGB32 whenever it
// draws one, by a path several times slower than converting it beforehand;
// the pixels painted are the same either way.
QImage paintable(const QImage &picture);

// Colours of the designs. The system colours follow the classic scheme.
namespace colors {
inline constexpr QRgb lightYellow = 0xFFFFFF80;
inline constexpr QRgb lightGrey = 0xFFC0C0C0;
inline constexpr QRgb grey = 0xFF808080;
inline constexpr QRgb windowBackground = 0xFFFFFFFF;
inline constexpr QRgb windowText = 0xFF000000;
inline constexpr QRgb menu = 0xFFC0C0C0;
} // namespace colors

} // namespace forms
