// SPDX-License-Identifier: GPL-3.0-or-later
#include "artworkfiles.h"

#include <QFile>
#include <QHash>

namespace artwork {

namespace {

void putLe16(QByteArray &out, quint16 v)
{
    out.append(char(v & 0xff));
    out.append(char(v >> 8));
}

void putLe32(QByteArray &out, quint32 v)
{
    putLe16(out, quint16(v & 0xffff));
    putLe16(out, quint16(v >> 16));
}

// BITMAPINFOHEADER; height is the header value (doubled for icons).
void putInfoHeader(QByteArray &out, int width, int height, int bitCount, quint32 imageSize)
{
    putLe32(out, 40);
    putLe32(out, quint32(width));
    putLe32(out, quint32(height));
    putLe16(out, 1); // planes
    putLe16(out, quint16(bitCount));
    putLe32(out, 0); // BI_RGB
    putLe32(out, imageSize);
    putLe32(out, 3780); // 96 dots per inch
    putLe32(out, 3780);
    putLe32(out, 0); // all 2^bitCount colours used
    putLe32(out, 0);
}

void putStandardPalette(QByteArray &out)
{
    for (QRgb c : standardColours()) {
        out.append(char(qBlue(c)));
        out.append(char(qGreen(c)));
        out.append(char(qRed(c)));
        out.append(char(0));
    }
}

int rowBytes(int width, int bitCount)
{
    return ((width * bitCount + 31) / 32) * 4;
}

int colourIndex(QRgb pixel, int x, int y)
{
    static const QHash<QRgb, int> lookup = [] {
        QHash<QRgb, int> h;
        for (int i = 0; i < standardColours().size(); ++i)
            h.insert(standardColours()[i], i);
        return h;
    }();
    const auto it = lookup.constFind(pixel | 0xff000000u);
    if (qAlpha(pixel) != 255 || it == lookup.cend())
        throw ArtworkError{QStringLiteral("pixel (%1, %2) = #%3 is not a standard colour")
                               .arg(x)
                               .arg(y)
                               .arg(pixel, 8, 16, QLatin1Char('0'))};
    return *it;
}

// XOR image rows, bottom-up, 4 bits per pixel; transparent pixels (alpha 0) give index 0.
QByteArray packNibbles(const QImage &image, bool allowTransparent)
{
    const int stride = rowBytes(image.width(), 4);
    QByteArray out(stride * image.height(), '\0');
    for (int y = 0; y < image.height(); ++y) {
        char *row = out.data() + (image.height() - 1 - y) * stride;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            const int index = (allowTransparent && qAlpha(p) == 0) ? 0 : colourIndex(p, x, y);
            row[x / 2] = char(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
        }
    }
    return out;
}

} // namespace

const QList<QRgb> &standardColours()
{
    static const QList<QRgb> table = {
        qRgb(0x00, 0x00, 0x00), qRgb(0x00, 0x00, 0x80), qRgb(0x00, 0x80, 0x00),
        qRgb(0x00, 0x80, 0x80), qRgb(0x80, 0x00, 0x00), qRgb(0x80, 0x00, 0x80),
        qRgb(0x80, 0x80, 0x00), qRgb(0xc0, 0xc0, 0xc0), qRgb(0x80, 0x80, 0x80),
        qRgb(0x00, 0x00, 0xff), qRgb(0x00, 0xff, 0x00), qRgb(0x00, 0xff, 0xff),
        qRgb(0xff, 0x00, 0x00), qRgb(0xff, 0x00, 0xff), qRgb(0xff, 0xff, 0x00),
        qRgb(0xff, 0xff, 0xff)};
    return table;
}

void writeBmp4(const QString &path, const QImage &image)
{
    const QByteArray pixels = packNibbles(image.convertToFormat(QImage::Format_ARGB32), false);
    const quint32 dataOffset = 14 + 40 + 16 * 4;
    QByteArray out;
    out.append("BM");
    putLe32(out, dataOffset + quint32(pixels.size()));
    putLe32(out, 0);
    putLe32(out, dataOffset);
    putInfoHeader(out, image.width(), image.height(), 4, quint32(pixels.size()));
    putStandardPalette(out);
    out.append(pixels);
    writeBytes(path, out);
}

void writeBmp24(const QString &path, const QImage &image)
{
    const int stride = rowBytes(image.width(), 24);
    QByteArray pixels(stride * image.height(), '\0');
    for (int y = 0; y < image.height(); ++y) {
        char *row = pixels.data() + (image.height() - 1 - y) * stride;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            row[3 * x] = char(qBlue(p));
            row[3 * x + 1] = char(qGreen(p));
            row[3 * x + 2] = char(qRed(p));
        }
    }
    const quint32 dataOffset = 14 + 40;
    QByteArray out;
    out.append("BM");
    putLe32(out, dataOffset + quint32(pixels.size()));
    putLe32(out, 0);
    putLe32(out, dataOffset);
    putInfoHeader(out, image.width(), image.height(), 24, quint32(pixels.size()));
    out.append(pixels);
    writeBytes(path, out);
}

void writeIco4(const QString &path, const QImage &image)
{
    if (image.size() != QSize(32, 32))
        throw ArtworkError{QStringLiteral("%1: an icon must be 32 x 32").arg(path)};
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const QByteArray xorBits = packNibbles(argb, true);
    const int maskStride = rowBytes(32, 1);
    QByteArray andBits(maskStride * 32, '\0');
    for (int y = 0; y < 32; ++y) {
        char *row = andBits.data() + (31 - y) * maskStride;
        for (int x = 0; x < 32; ++x) {
            const int alpha = qAlpha(argb.pixel(x, y));
            if (alpha != 0 && alpha != 255)
                throw ArtworkError{QStringLiteral("%1: half-transparent pixel").arg(path)};
            if (alpha == 0)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
    }
    const quint32 resourceSize = 40 + 16 * 4 + quint32(xorBits.size() + andBits.size());
    QByteArray out;
    putLe16(out, 0); // ICONDIR: reserved, type icon, one image
    putLe16(out, 1);
    putLe16(out, 1);
    out.append(char(32)); // ICONDIRENTRY: width, height, colours, reserved
    out.append(char(32));
    out.append(char(16));
    out.append(char(0));
    putLe16(out, 1); // planes
    putLe16(out, 4); // bits per pixel
    putLe32(out, resourceSize);
    putLe32(out, 6 + 16); // the image follows the directory
    putInfoHeader(out, 32, 64, 4, quint32(xorBits.size() + andBits.size()));
    putStandardPalette(out);
    out.append(xorBits);
    out.append(andBits);
    writeBytes(path, out);
}

void writePng(const QString &path, const QImage &image)
{
    if (!image.save(path, "PNG"))
        throw ArtworkError{QStringLiteral("%1: cannot write PNG").arg(path)};
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw ArtworkError{QStringLiteral("%1: %2").arg(path, file.errorString())};
}

quint16 readLe16(const QByteArray &bytes, int offset)
{
    if (offset < 0 || offset + 2 > bytes.size())
        return 0;
    return quint16(quint8(bytes[offset]) | quint8(bytes[offset + 1]) << 8);
}

quint32 readLe32(const QByteArray &bytes, int offset)
{
    if (offset < 0 || offset + 4 > bytes.size())
        return 0;
    return quint32(readLe16(bytes, offset)) | quint32(readLe16(bytes, offset + 2)) << 16;
}

} // namespace artwork
