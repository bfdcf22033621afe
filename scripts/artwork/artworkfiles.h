// SPDX-License-Identifier: GPL-3.0-or-later
// Writers for the picture files Krumelo ships, byte for byte under our control: 4-bit and
// 24-bit Windows bitmaps, a one-image 4-bit Windows icon, and PNG through Qt.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

namespace artwork {

// The sixteen standard colours of the colour table, index 0 to 15, opaque.
const QList<QRgb> &standardColours();

// Names of the standard colour indices.
enum StandardColour {
    Black,
    Blue,
    Green,
    Cyan,
    Red,
    Magenta,
    DarkYellow,
    LightGrey,
    Grey,
    LightBlue,
    LightGreen,
    LightCyan,
    LightRed,
    LightMagenta,
    Yellow,
    White
};

// The colour value of a standard colour index.
inline QRgb standard(StandardColour index)
{
    return standardColours()[index];
}

// Thrown when a picture cannot be written as asked (a colour outside the table, an I/O error).
struct ArtworkError
{
    QString message;
};

// Writes an uncompressed 4-bit bitmap with the standard table as its palette. Every pixel of
// image must be exactly one of the standard colours; anything else throws, so nothing is dithered.
void writeBmp4(const QString &path, const QImage &image);

// Writes an uncompressed 24-bit bitmap of image (alpha ignored).
void writeBmp24(const QString &path, const QImage &image);

// Writes a Windows icon with one 32 x 32 image, 4 bits per pixel, standard palette and a 1-bit
// AND mask. Pixels with alpha 0 become transparent; all others must be opaque standard colours.
void writeIco4(const QString &path, const QImage &image);

// Writes image as PNG (keeping its alpha channel).
void writePng(const QString &path, const QImage &image);

// Writes bytes to path as they are.
void writeBytes(const QString &path, const QByteArray &bytes);

// Little-endian readers over raw file bytes, used by the checks; out of range reads give 0.
quint32 readLe32(const QByteArray &bytes, int offset);
quint16 readLe16(const QByteArray &bytes, int offset);

} // namespace artwork
