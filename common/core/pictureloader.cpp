#include "pictureloader.h"

#include "error.h"

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

// Qt's bitmap reader fills a cut-short file with black rather than failing, so
// a bitmap's header is held against the file's size before Qt reads it.
std::optional<QString> bitmapProblem(const QByteArray &head, qint64 fileSize)
{
    const auto h = parseBitmapHeader(head);
    if (!h)
        return QStringLiteral("bitmappens huvud är trasigt");
    if (h->width <= 0 || h->height == 0)
        return QStringLiteral("bitmappen anger ingen storlek");
    if (h->width * std::abs(h->height) > MaxPicturePixels)
        return QStringLiteral("bilden är för stor (%1 × %2 bildpunkter)")
            .arg(h->width)
            .arg(std::abs(h->height));
    if (!QList<int>{1, 4, 8, 16, 24, 32}.contains(h->bitCount))
        return QStringLiteral("bitmappen har ett okänt färgdjup (%1 bitar)").arg(h->bitCount);
    if (h->dataOffset < h->headerEnd || h->dataOffset >= fileSize)
        return QStringLiteral("bitmappens bilddata ligger utanför filen");
    const bool uncompressed = h->compression == 0 || h->compression == 3 || h->compression == 6;
    if (uncompressed) {
        const qint64 rowBytes = (h->width * h->bitCount + 31) / 32 * 4;
        if (h->dataOffset + rowBytes * std::abs(h->height) > fileSize)
            return QStringLiteral("filen är avkortad");
    } else if (h->compression != 1 && h->compression != 2) {
        return QStringLiteral("bitmappen är packad på ett okänt sätt");
    }
    return std::nullopt;
}

} // namespace

QImage LoadPicture(const QString &fileName)
{
    if (fileName.isEmpty())
        return {};
    const QFileInfo info(fileName);
    if (!info.exists())
        fail(fileName, QStringLiteral("filen finns inte"));
    if (info.isDir())
        fail(fileName, QStringLiteral("det är en mapp"));

    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        fail(fileName, file.errorString());
    const QByteArray head = file.peek(64);
    if (head.startsWith("BM")) {
        if (const auto problem = bitmapProblem(head, file.size()))
            fail(fileName, *problem);
    }

    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > MaxPicturePixels)
        fail(fileName, QStringLiteral("bilden är för stor (%1 × %2 bildpunkter)")
                           .arg(size.width())
                           .arg(size.height()));
    QImage image;
    if (!reader.read(&image))
        fail(fileName, reader.error() == QImageReader::UnsupportedFormatError
                           ? QStringLiteral("filen är inte en bild i ett känt format")
                           : QStringLiteral("bilden är trasig (%1)").arg(reader.errorString()));
    return image;
}

} // namespace core
