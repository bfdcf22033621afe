// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/pictureloader.h"

#include "core/error.h"
#include "core/filekind.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

#include <optional>

namespace core {

namespace {

[[noreturn]] void fail(const QString &fileName, const QString &what)
{
    throw Error(QStringLiteral("Bilden %1 kan inte läsas: %2.")
                    .arg(QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath()), what));
}

struct BitmapHeader
{
    qint64 dataOffset = 0;
    qint64 headerEnd = 0;
    qint64 width = 0;
    qint64 height = 0;
    int bitCount = 0;
    quint32 compression = 0;
};

std::optional<BitmapHeader> parseBitmapHeader(const QByteArray &head)
{
    const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(head.constData() + at); };
    const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(head.constData() + at); };
    if (head.size() < 26)
        return std::nullopt;
    BitmapHeader h;
    h.dataOffset = u32(10);
    const quint32 infoSize = u32(14);
    h.headerEnd = 14 + qint64(infoSize);
    if (infoSize == 12) {
        h.width = u16(18);
        h.height = qint16(u16(20));
        h.bitCount = u16(24);
    } else if (infoSize >= 40 && infoSize <= 124 && head.size() >= 54) {
        h.width = qint32(u32(18));
        h.height = qint32(u32(22));
        h.bitCount = u16(28);
        h.compression = u32(30);
    } else {
        return std::nullopt;
    }
    return h;
}

// Whether run-length coded rows reach the end-of-bitmap code, or end all
// `height` rows, before `data` ends. Where the codes stop early Qt's reader
// stops too, without an error, and leaves the rest of the picture unset. The
// codes are read as they come, so a huge file takes no memory.
bool runLengthDataComplete(QIODevice &data, qint64 height, bool fourBit)
{
    const auto next = [&data](uchar &byte) {
        return data.getChar(reinterpret_cast<char *>(&byte));
    };
    uchar count = 0;
    uchar code = 0;
    for (qint64 row = 0; row < height;) {
        if (!next(count) || !next(code))
            return false;
        if (count > 0) // a run of one colour
            continue;
        if (code == 0) { // end of line
            ++row;
        } else if (code == 1) { // end of bitmap
            return true;
        } else if (code == 2) { // a jump right and up
            uchar right = 0;
            uchar up = 0;
            if (!next(right) || !next(up))
                return false;
            row += up;
        } else { // `code` pixels as they are, padded to a 16-bit word
            const qint64 bytes = fourBit ? (code + 1) / 2 : code;
            const qint64 padded = (bytes + 1) / 2 * 2;
            if (data.skip(padded) != padded)
                return false;
        }
    }
    return true;
}

QString tooBig(qint64 width, qint64 height)
{
    return QStringLiteral("bilden är för stor (%1 × %2 bildpunkter)").arg(width).arg(height);
}

// Qt's bitmap reader fills a cut-short file with black rather than failing, so
// a bitmap's header is held against the file's contents before Qt reads it.
std::optional<QString> bitmapProblem(QIODevice &file, const std::optional<BitmapHeader> &h,
                                     qint64 maxPixels)
{
    const qint64 fileSize = file.size();
    if (!h)
        return QStringLiteral("bitmappens huvud är trasigt");
    if (h->width <= 0 || h->height == 0)
        return QStringLiteral("bitmappen anger ingen storlek");
    if (h->width * std::abs(h->height) > maxPixels)
        return tooBig(h->width, std::abs(h->height));
    if (!QList<int>{1, 4, 8, 16, 24, 32}.contains(h->bitCount))
        return QStringLiteral("bitmappen har ett okänt färgdjup (%1 bitar)").arg(h->bitCount);
    if (h->dataOffset < h->headerEnd || h->dataOffset >= fileSize)
        return QStringLiteral("bitmappens bilddata ligger utanför filen");
    const bool uncompressed = h->compression == 0 || h->compression == 3 || h->compression == 6;
    if (uncompressed) {
        const qint64 rowBytes = (h->width * h->bitCount + 31) / 32 * 4;
        if (h->dataOffset + rowBytes * std::abs(h->height) > fileSize)
            return QStringLiteral("filen är avkortad");
    } else if (h->compression == 1 || h->compression == 2) {
        const bool complete = file.seek(h->dataOffset) &&
                              runLengthDataComplete(file, std::abs(h->height), h->compression == 2);
        if (!file.seek(0) || !complete)
            return QStringLiteral("filen är avkortad");
    } else {
        return QStringLiteral("bitmappen är packad på ett okänt sätt");
    }
    return std::nullopt;
}

// Run-length codes may jump over pixels or end the picture early, and Qt's
// reader leaves such pixels as whatever the memory held. Given an image of
// the size and format it would make, it reads into that one instead, so the
// pixels it skips are colour 0 of the bitmap, the same on every load. Any
// other bitmap sets every pixel: no image is given.
QImage skippedPixelsCleared(const BitmapHeader &h)
{
    if (h.compression != 1 && h.compression != 2)
        return {};
    QImage image(int(h.width), int(std::abs(h.height)), QImage::Format_Indexed8);
    image.fill(0);
    return image;
}

// Finding the format from the contents asks every image plugin Qt has, and
// loads each with its libraries, which costs a program's start-up a tenth of
// its work. The kinds the programs' own pictures come in are told by their
// first bytes instead: bitmaps, which Qt reads itself, and icons. Any other
// file is still read in whatever format its contents show.
QByteArray formatOf(QIODevice &file)
{
    const QByteArray head = file.peek(4);
    if (head.startsWith("BM"))
        return "bmp";
    if (head == QByteArray("\0\0\1\0", 4))
        return "ico";
    return {};
}

void failIfTooBig(const QString &fileName, QSize size, qint64 maxPixels)
{
    if (size.isValid() && qint64(size.width()) * size.height() > maxPixels)
        fail(fileName, tooBig(size.width(), size.height()));
}

// `file` is open and at its start; `fileName` names it in messages.
QImage readPicture(QIODevice &file, const QString &fileName, qint64 maxPixels)
{
    QImage image;
    if (file.peek(2) == "BM") {
        const auto header = parseBitmapHeader(file.peek(64));
        if (const auto problem = bitmapProblem(file, header, maxPixels))
            fail(fileName, *problem);
        image = skippedPixelsCleared(*header);
    }
    const QByteArray format = formatOf(file);
    QImageReader reader(&file, format);
    reader.setAutoDetectImageFormat(format.isEmpty());
    reader.setDecideFormatFromContent(format.isEmpty());
    failIfTooBig(fileName, reader.size(), maxPixels);
    // Some of Qt's readers report success with no picture for a damaged file.
    if (!reader.read(&image) || image.isNull())
        fail(fileName, reader.error() == QImageReader::UnsupportedFormatError
                           ? QStringLiteral("filen är inte en bild i ett känt format")
                           : QStringLiteral("bilden är trasig"));
    // The size a reader gives beforehand can be less than what it makes: a
    // GIF tells the size of its first frame and makes one of its screen.
    failIfTooBig(fileName, image.size(), maxPixels);
    completeColorTable(image);
    return image;
}

} // namespace

void completeColorTable(QImage &image)
{
    const QList<QImage::Format> indexed = {QImage::Format_Mono, QImage::Format_MonoLSB,
                                           QImage::Format_Indexed8};
    if (!indexed.contains(image.format()))
        return;
    const int full = 1 << image.depth();
    if (image.colorCount() >= full)
        return;
    QList<QRgb> table = image.colorTable();
    table.resize(full, qRgb(0, 0, 0));
    image.setColorTable(table);
}

QImage LoadPicture(const QString &fileName)
{
    if (fileName.isEmpty())
        return {};
    switch (kindOfFile(fileName)) {
    case FileKind::Missing:
        fail(fileName, QStringLiteral("filen finns inte"));
    case FileKind::Folder:
        fail(fileName, QStringLiteral("det är en mapp"));
    case FileKind::Special:
        fail(fileName, QStringLiteral("det är ingen vanlig fil"));
    case FileKind::Plain:
        break;
    }

    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        fail(fileName, whyNotReadable(fileName));
    return readPicture(file, fileName, MaxPicturePixels);
}

QImage PictureFromBytes(const QByteArray &bytes, const QString &fileName, qint64 maxPixels)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readPicture(buffer, fileName, maxPixels);
}

} // namespace core
