// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttonpictures.h"

#include "artworkfiles.h"
#include "pixelart.h"

#include <QPainter>
#include <QtMath>

namespace artwork {

namespace {

// The face colour of the 3D buttons, so the opaque pictures sit on the button seamlessly.
const QRgb ButtonFace = qRgb(192, 192, 192);

QImage opaqueImage(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(ButtonFace);
    return image;
}

// Inside a regular octagon of apothem r round the centre of a 32 x 32 icon.
bool inOctagon(int x, int y, qreal r)
{
    const qreal dx = qAbs(x + 0.5 - 16), dy = qAbs(y + 0.5 - 16);
    return dx <= r && dy <= r && (dx + dy) <= r * M_SQRT2;
}

// A small paint brush lying from its bristle tip to the end of its handle: 7 px of bristles
// (the paint at the tip), 4 px of metal ferrule, then a handle narrowing to its end.
void drawBrush(QImage &image, QPointF tip, QPointF end, QRgb paint)
{
    QImage layer = transparentImage(image.size());
    paintAlong(layer, tip, end, [paint](qreal u, qreal v) -> std::optional<QRgb> {
        if (u < 0)
            return std::nullopt;
        if (u < 7) {
            if (qAbs(v) > 0.9 + u * 0.3)
                return std::nullopt;
            return u < 4 ? paint : qRgb(60, 40, 20);
        }
        if (u < 11)
            return qAbs(v) <= 2.9
                       ? std::optional<QRgb>(v > 1 ? qRgb(128, 128, 128) : qRgb(224, 224, 224))
                       : std::nullopt;
        if (u > 30 || qAbs(v) > 2.3 - (u > 26 ? (u - 26) * 0.3 : 0))
            return std::nullopt;
        return v > 0.5 ? qRgb(150, 60, 20) : qRgb(210, 100, 40);
    });
    outlineInside(layer, qRgb(0, 0, 0));
    drawLayer(image, layer);
}

} // namespace

QImage drawPaletteButton()
{
    QImage image = opaqueImage(QSize(39, 37));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(qRgb(96, 56, 16));
    p.setBrush(QColor(qRgb(232, 184, 112)));
    p.drawEllipse(QRect(1, 5, 35, 27));
    p.setBrush(QColor(ButtonFace));
    p.drawEllipse(QRect(6, 20, 7, 6));
    struct Blob
    {
        QRect r;
        QRgb fill;
        QRgb edge;
    };
    const Blob blobs[] = {
        {{6, 11, 6, 5}, qRgb(255, 0, 0), qRgb(128, 0, 0)},
        {{13, 8, 6, 5}, qRgb(255, 255, 0), qRgb(128, 128, 0)},
        {{21, 8, 6, 5}, qRgb(0, 192, 0), qRgb(0, 96, 0)},
        {{28, 12, 6, 5}, qRgb(0, 64, 255), qRgb(0, 0, 128)},
        {{16, 24, 6, 5}, qRgb(255, 255, 255), qRgb(128, 128, 128)},
    };
    for (const Blob &b : blobs) {
        p.setPen(b.edge);
        p.setBrush(QColor(b.fill));
        p.drawEllipse(b.r);
    }
    p.end();
    drawBrush(image, QPointF(14.5, 16.5), QPointF(38.5, 36.5), qRgb(255, 0, 0));
    return image;
}

QImage drawPrinterButton()
{
    QImage image = opaqueImage(QSize(35, 33));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::black);

    // Blank paper waiting at the back.
    p.setBrush(Qt::white);
    p.drawRect(10, 1, 14, 12);
    // Body: light top, grey front, output slot and a green lamp.
    p.setBrush(QColor(qRgb(128, 128, 128)));
    p.drawRect(2, 11, 30, 13);
    p.fillRect(3, 12, 29, 3, qRgb(232, 232, 232));
    p.fillRect(3, 15, 29, 1, qRgb(96, 96, 96));
    p.fillRect(9, 12, 17, 1, qRgb(0, 0, 0));
    p.fillRect(3, 16, 29, 1, qRgb(176, 176, 176));
    p.fillRect(6, 20, 23, 2, qRgb(0, 0, 0));
    p.fillRect(27, 17, 3, 2, qRgb(0, 224, 0));
    // The printed page hanging out of the slot, with a coloured drawing on it.
    p.setBrush(Qt::white);
    p.drawRect(8, 21, 18, 11);
    p.fillRect(20, 23, 3, 3, qRgb(255, 224, 0));
    p.setPen(qRgb(255, 0, 0));
    p.setBrush(QColor(qRgb(255, 0, 0)));
    p.drawEllipse(QRect(11, 23, 4, 4));
    p.setPen(qRgb(0, 0, 0));
    p.drawLine(13, 28, 13, 29);
    p.setPen(qRgb(0, 160, 0));
    p.drawLine(9, 30, 25, 30);
    return image;
}

QImage drawPencilIcon()
{
    QImage icon = transparentImage(QSize(32, 32));
    const qreal length = 26 * M_SQRT2, half = 4.6, cone = 10;
    paintAlong(icon, QPointF(2.5, 29.5), QPointF(28.5, 3.5),
               [=](qreal u, qreal v) -> std::optional<QRgb> {
                   if (u < 0 || u > length || qAbs(v) > half ||
                       (u < cone && qAbs(v) > half * u / cone + 0.4))
                       return std::nullopt;
                   if (u < 4.5)
                       return standard(Black);
                   if (u < cone)
                       return standard(v > 1.2 ? LightGrey : White);
                   if (u < length - 8)
                       return standard(v > 1.5 ? DarkYellow : Yellow);
                   if (u < length - 4)
                       return standard(qAbs(u - (length - 6)) < 0.75 ? Grey : LightGrey);
                   return standard(v > 1.5 ? Red : LightRed);
               });
    outlineInside(icon, standard(Black));
    return icon;
}

QImage drawStopIcon()
{
    // Red octagon, then a black edge and just inside it a white ring, each one pixel wide.
    QImage icon = transparentImage(QSize(32, 32));
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (inOctagon(x, y, 16))
                icon.setPixel(x, y, standard(LightRed));
        }
    }
    outlineInside(icon, standard(Black));
    QImage inner = icon;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (inner.pixel(x, y) == standard(Black))
                inner.setPixel(x, y, qRgba(0, 0, 0, 0));
        }
    }
    outlineInside(inner, standard(White));
    drawLayer(icon, inner);
    const QStringList s = {".XXX.", "X...X", "X....", ".XXX.", "....X", "X...X", ".XXX."};
    const QStringList t = {"XXXXX", "..X..", "..X..", "..X..", "..X..", "..X..", "..X.."};
    const QStringList o = {".XXX.", "X...X", "X...X", "X...X", "X...X", "X...X", ".XXX."};
    const QStringList pp = {"XXXX.", "X...X", "X...X", "XXXX.", "X....", "X....", "X...."};
    int x = 5;
    for (const QStringList *glyph : {&s, &t, &o, &pp}) {
        stampRows(icon, QPoint(x, 12), *glyph, standard(White));
        x += 6;
    }
    return icon;
}

} // namespace artwork
