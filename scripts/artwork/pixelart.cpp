// SPDX-License-Identifier: GPL-3.0-or-later
#include "pixelart.h"

#include <QtMath>

namespace artwork {

QImage transparentImage(QSize size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

void paintAlong(QImage &image, QPointF start, QPointF end, const AxisShader &shader)
{
    const QPointF axis = end - start;
    const qreal length = qSqrt(QPointF::dotProduct(axis, axis));
    const QPointF along = axis / length;
    const QPointF across(-along.y(), along.x());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QPointF d = QPointF(x + 0.5, y + 0.5) - start;
            if (const auto colour =
                    shader(QPointF::dotProduct(d, along), QPointF::dotProduct(d, across)))
                image.setPixel(x, y, *colour);
        }
    }
}

void outlineInside(QImage &layer, QRgb colour)
{
    const QImage before = layer;
    const auto clear = [&](int x, int y) {
        return x < 0 || y < 0 || x >= before.width() || y >= before.height() ||
               qAlpha(before.pixel(x, y)) == 0;
    };
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            if (!clear(x, y) &&
                (clear(x - 1, y) || clear(x + 1, y) || clear(x, y - 1) || clear(x, y + 1)))
                layer.setPixel(x, y, colour);
        }
    }
}

void drawLayer(QImage &image, const QImage &layer, QPoint at)
{
    for (int y = 0; y < layer.height(); ++y) {
        for (int x = 0; x < layer.width(); ++x) {
            const QRgb p = layer.pixel(x, y);
            if (qAlpha(p) != 0)
                plot(image, at.x() + x, at.y() + y, p);
        }
    }
}

void stampRows(QImage &image, QPoint at, const QStringList &rows, QRgb colour)
{
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].size(); ++c) {
            if (rows[r][c] != QLatin1Char(' ') && rows[r][c] != QLatin1Char('.'))
                plot(image, at.x() + c, at.y() + r, colour);
        }
    }
}

void plot(QImage &image, int x, int y, QRgb colour)
{
    if (image.rect().contains(x, y))
        image.setPixel(x, y, colour);
}

} // namespace artwork
