// SPDX-License-Identifier: GPL-3.0-or-later
// Pixel checks shared by the tests of drawing.
#pragma once

#include <QImage>
#include <QRect>
#include <QStringList>

namespace pixels {

// The smallest rectangle holding every pixel of `color`; empty when none is.
inline QRect paintedRect(const QImage &image, QRgb color)
{
    QRect painted;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == color)
                painted |= QRect(x, y, 1, 1);
    return painted;
}

// The image as text, one character per pixel, so a case and its expected
// result read like pictures.
template <typename CharacterOf> QStringList artOf(const QImage &image, CharacterOf characterOf)
{
    QStringList rows;
    for (int y = 0; y < image.height(); ++y) {
        QString row;
        for (int x = 0; x < image.width(); ++x)
            row += characterOf(image.pixel(x, y));
        rows += row;
    }
    return rows;
}

} // namespace pixels
