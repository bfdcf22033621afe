// SPDX-License-Identifier: GPL-3.0-or-later
// The oracle the border fill is held against: the plainest fill there is, a
// walk from pixel to pixel over all that is not border, with a mark for each
// pixel seen. It is slow and needs memory for every pixel, and it has no
// rows, stretches or chunks that could go wrong, so a fill that leaves an
// image as this one does is right. It follows the same rules as
// core::FloodFill (raster.h): 4-connected, red, green and blue compared,
// the image taken in Format_RGB32.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include <utility>
#include <vector>

namespace reference {

// Paints `fill` from `seed` over every pixel it reaches and returns the
// smallest rectangle holding them; empty when the seed is outside the image
// or on the border.
inline QRect floodFill(QImage &image, QPoint seed, QRgb border, QRgb fill)
{
    if (!image.rect().contains(seed))
        return {};
    image = image.convertToFormat(QImage::Format_RGB32);
    const auto open = [&](QPoint p) {
        return image.rect().contains(p) && (image.pixel(p) & 0xFFFFFF) != (border & 0xFFFFFF);
    };
    std::vector<char> seen(std::size_t(image.width()) * image.height());
    const auto firstSeen = [&](QPoint p) {
        const std::size_t index = std::size_t(p.y()) * image.width() + p.x();
        return !std::exchange(seen[index], char(1));
    };
    QRect painted;
    std::vector<QPoint> todo;
    if (open(seed) && firstSeen(seed))
        todo.push_back(seed);
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        image.setPixel(p, fill);
        painted |= QRect(p, QSize(1, 1));
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            if (open(p + step) && firstSeen(p + step))
                todo.push_back(p + step);
        }
    }
    return painted;
}

} // namespace reference
