// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

namespace core {

// The most pixels a picture may have: a colouring page shows only a few
// hundred thousand, and this keeps a stray photograph from taking all memory.
inline constexpr qint64 MaxPicturePixels = 25'000'000;

// Loads a picture file: Windows bitmaps of every bit depth, icons, and the
// other formats Qt reads (PNG, GIF, JPEG, ...). An empty name gives no
// picture, a null image. A missing or unreadable file, a damaged or cut-short
// bitmap and a picture beyond MaxPicturePixels throw core::Error naming the
// file: never a half-loaded picture.
QImage LoadPicture(const QString &fileName);

// Reads `bytes` as LoadPicture reads the contents of the file `fileName`,
// which only names it in messages: the same checks without a file. A lower
// `maxPixels` refuses smaller pictures, so that a check of many inputs need
// not make pictures of millions of pixels.
QImage PictureFromBytes(const QByteArray &bytes, const QString &fileName,
                        qint64 maxPixels = MaxPicturePixels);

// A picture's pixels may name colours beyond its colour table (a bitmap's
// may), and Qt's painting reads past the table for them. This gives the
// table every colour the pixels can name, the missing ones black, as in Qt's
// own conversions between formats. Any other picture is left as it is.
void completeColorTable(QImage &image);

} // namespace core
