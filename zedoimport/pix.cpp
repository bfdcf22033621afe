// SPDX-License-Identifier: GPL-3.0-or-later
#include "zedoimport/pix.h"

#include <QPainter>

#include <leptonica/allheaders.h>

#include <new>

namespace zedoimport {

void PixDeleter::operator()(Pix *pix) const
{
    pixDestroy(&pix);
}

PixPtr own(Pix *pix)
{
    if (!pix)
        throw std::bad_alloc();
    return PixPtr(pix);
}

PixPtr colourOf(const QImage &picture)
{
    QImage rgb;
    if (picture.hasAlphaChannel()) {
        rgb = QImage(picture.size(), QImage::Format_RGB32);
        rgb.fill(Qt::white);
        QPainter painter(&rgb);
        painter.drawImage(0, 0, picture);
    } else {
        rgb = picture.convertToFormat(QImage::Format_RGB32);
    }
    PixPtr colour = own(pixCreate(rgb.width(), rgb.height(), 32));
    const int wpl = pixGetWpl(colour.get());
    l_uint32 *data = pixGetData(colour.get());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        l_uint32 *to = data + y * wpl;
        // Qt keeps 0xffRRGGBB, leptonica 0xRRGGBB00.
        for (int x = 0; x < rgb.width(); ++x)
            to[x] = from[x] << 8;
    }
    return colour;
}

QImage inkImageOf(Pix *binary)
{
    const int width = pixGetWidth(binary);
    const int height = pixGetHeight(binary);
    QImage ink(width, height, QImage::Format_Grayscale8);
    const int wpl = pixGetWpl(binary);
    const l_uint32 *data = pixGetData(binary);
    for (int y = 0; y < height; ++y) {
        const l_uint32 *line = data + y * wpl;
        uchar *to = ink.scanLine(y);
        for (int x = 0; x < width; ++x)
            to[x] = GET_DATA_BIT(line, x) ? 0 : 255;
    }
    return ink;
}

} // namespace zedoimport
