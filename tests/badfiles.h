// SPDX-License-Identifier: GPL-3.0-or-later
// Files as they come from outside, for the tests of bad input, and a way to
// see that a folder was left as it was.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <map>

namespace badfiles {

// The bytes of `picture` in a format Qt writes, such as "BMP" or "PNG".
QByteArray encoded(const QImage &picture, const char *format);

// A small bitmap whose header claims 100000 x 100000 pixels, 40 GB at 32 bits.
QByteArray hugeBitmap();

// "BM" and then no header a bitmap can have.
QByteArray damagedBitmap();

// A damaged MNG file that Qt's MNG reader, where installed, takes with
// success and no picture.
QByteArray mngWithoutAPicture();

// `size` bytes from nowhere, the same for the same seed.
QByteArray randomBytes(quint32 seed, int size);

// The name of everything in the folder, with a digest of each plain file, so
// that any change shows; files are read in pieces, as some are huge.
std::map<QString, QByteArray> folderContents(const QString &path);

} // namespace badfiles
