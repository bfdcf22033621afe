// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a picture file, read straight from memory by the picture
// loader, with no window and no file: bitmaps of every depth and packing,
// icons, and the formats Qt reads. Every input must give a picture within
// the pixel limit or core::Error naming the file. A picture is painted as
// the canvas paints it, so a pixel that reaches beyond its colour table shows.
#include "core/error.h"
#include "core/pictureloader.h"

#include <QImageReader>
#include <QPainter>

#include <cstddef>
#include <cstdint>

namespace {

const QString FileName = QStringLiteral("/fuzz/bild.bmp");
// Larger pictures take the same paths through the loader, only slower:
// refusing them keeps each input quick.
constexpr qint64 MaxPixels = 128 * 128;

void expect(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// The top-left corner is enough: an input can put any pixel there, and
// painting more would only slow every input down.
void paint(const QImage &picture)
{
    static QImage canvas(16, 16, QImage::Format_RGB32);
    QPainter painter(&canvas);
    painter.drawImage(0, 0, picture);
}

} // namespace

// Qt's image readers, their plugins included, need no application object.
extern "C" int LLVMFuzzerInitialize(int * /*argc*/, char *** /*argv*/)
{
    // Qt's readers may make a picture larger than they said beforehand; in
    // megabytes, room for MaxPixels at 4 bytes each, and more.
    QImageReader::setAllocationLimit(1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QImage picture;
    try {
        picture = core::PictureFromBytes(bytes, FileName, MaxPixels);
    } catch (const core::Error &error) {
        expect(error.message().contains(FileName));
        return 0;
    }
    expect(!picture.isNull());
    expect(qint64(picture.width()) * picture.height() <= MaxPixels);
    paint(picture);
    return 0;
}
