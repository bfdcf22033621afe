// SPDX-License-Identifier: GPL-3.0-or-later
#include "zedoimport/pagereader.h"

#include "core/error.h"
#include "core/filekind.h"
#include "zedoimport/pagemaker.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

#include <poppler-qt6.h>

#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace zedoimport {

namespace {

bool quietDecoding = false;

// libpng writes what it finds wrong in a damaged file straight to standard
// error, past Qt's message handler. While a picture is decoded, that goes
// nowhere: the adult is told the cause in Swedish.
class QuietStandardError
{
public:
    QuietStandardError()
    {
        if (!quietDecoding)
            return;
        std::fflush(stderr);
        m_saved = dup(STDERR_FILENO);
        const int nowhere = open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (nowhere >= 0) {
            dup2(nowhere, STDERR_FILENO);
            close(nowhere);
        }
    }
    ~QuietStandardError()
    {
        if (m_saved < 0)
            return;
        std::fflush(stderr);
        dup2(m_saved, STDERR_FILENO);
        close(m_saved);
    }
    QuietStandardError(const QuietStandardError &) = delete;
    QuietStandardError &operator=(const QuietStandardError &) = delete;

private:
    int m_saved = -1;
};

[[noreturn]] void fail(const QString &fileName, const QString &cause)
{
    throw core::Error(
        QStringLiteral("Filen %1 kan inte läsas: %2.")
            .arg(QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath()), cause));
}

QString megabytes(qint64 bytes)
{
    return QString::number(bytes / (1024 * 1024));
}

bool isPdf(const QByteArray &bytes)
{
    // Some writers put a few bytes before the header; readers allow for it.
    return bytes.left(1024).contains("%PDF-");
}

bool isSvg(const QByteArray &bytes)
{
    const QByteArray head = bytes.left(4096).trimmed();
    return (head.startsWith("<?xml") || head.startsWith("<svg") || head.startsWith("<!DOCTYPE")) &&
           head.contains("<svg");
}

// A drawing's size scaled to fit `room`, whatever size it claims.
QSize fittedDrawing(QSizeF claimed, QSize room)
{
    return claimed.scaled(QSizeF(room), Qt::KeepAspectRatio).toSize().expandedTo({1, 1});
}

[[noreturn]] void tooLarge(const QString &fileName, QSize size)
{
    fail(fileName, QStringLiteral("bilden är för stor (%1 × %2 bildpunkter; högst %3 miljoner går)")
                       .arg(size.width())
                       .arg(size.height())
                       .arg(MaxPixels / 1'000'000));
}

// JPEG pictures are decoded straight to a half, a quarter or an eighth of
// their size when that still gives the page all it needs, Detail times the
// size the picture gets on the page: a photograph of twelve million pixels
// is decoded as three.
QSize decodedSize(QSize size)
{
    const QSize needed = core::page::fittedRect(size).size() * Detail;
    for (int shrink : {8, 4, 2})
        if (size.width() / shrink >= needed.width() && size.height() / shrink >= needed.height())
            return size / shrink;
    return size;
}

QImage readRaster(const QByteArray &bytes, const QString &fileName, int page)
{
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    // Photographs stand the way the camera was held.
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > MaxPixels)
        tooLarge(fileName, size);
    if (page != 1)
        fail(fileName, QStringLiteral("bara PDF-filer har fler sidor än en"));
    if (size.isValid() && reader.format() == "jpeg")
        reader.setScaledSize(decodedSize(size));
    QImage picture;
    bool read = false;
    {
        const QuietStandardError quiet;
        read = reader.read(&picture);
    }
    // Some of Qt's readers report success with no picture for a damaged file.
    if (!read || picture.isNull()) {
        if (reader.error() == QImageReader::UnsupportedFormatError)
            fail(fileName, QStringLiteral("det är varken en bild eller en PDF-fil i ett format "
                                          "som går att läsa"));
        fail(fileName, QStringLiteral("bilden är trasig"));
    }
    if (qint64(picture.width()) * picture.height() > MaxPixels)
        tooLarge(fileName, picture.size());
    return picture;
}

QImage readSvg(const QByteArray &bytes, const QString &fileName, int page, QSize room)
{
    if (bytes.size() > MaxSvgBytes)
        fail(fileName, QStringLiteral("SVG-filen är större än %1 MB").arg(megabytes(MaxSvgBytes)));
    if (page != 1)
        fail(fileName, QStringLiteral("bara PDF-filer har fler sidor än en"));
    QSvgRenderer renderer(bytes);
    if (!renderer.isValid())
        fail(fileName, QStringLiteral("SVG-bilden är trasig"));
    QSizeF claimed = renderer.viewBoxF().size();
    if (claimed.isEmpty())
        claimed = renderer.defaultSize();
    if (claimed.isEmpty())
        fail(fileName, QStringLiteral("SVG-bilden anger ingen storlek"));
    QImage picture(fittedDrawing(claimed, room), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    renderer.render(&painter, QRectF(picture.rect()));
    return picture;
}

bool pastDeadline(const QVariant &deadline)
{
    return QDateTime::currentMSecsSinceEpoch() > deadline.toLongLong();
}

QImage drawPdfPage(const Poppler::Page &pdfPage, const QString &fileName, QSize room)
{
    if (pdfPage.pageSizeF().isEmpty())
        fail(fileName, QStringLiteral("PDF-sidan har ingen storlek"));
    const qint64 deadline = QDateTime::currentMSecsSinceEpoch() + MaxDrawingMilliseconds;
    const QImage picture = DrawPdfPage(pdfPage, room, MaxDrawingMilliseconds);
    if (picture.isNull())
        fail(fileName, QDateTime::currentMSecsSinceEpoch() > deadline
                           ? QStringLiteral("det tar för lång tid att rita sidan")
                           : QStringLiteral("sidan går inte att rita"));
    return picture;
}

Source readPdf(const QByteArray &bytes, const QString &fileName, int page, QSize room)
{
    // Poppler's notes on damaged files would only be noise; the message
    // below says what went wrong.
    Poppler::setDebugErrorFunction([](const QString &, const QVariant &) {}, QVariant());
    const std::unique_ptr<Poppler::Document> document = Poppler::Document::loadFromData(bytes);
    if (!document)
        fail(fileName, QStringLiteral("PDF-filen är trasig"));
    if (document->isLocked())
        fail(fileName, QStringLiteral("PDF-filen är låst med ett lösenord"));
    const int pages = document->numPages();
    if (pages < 1)
        fail(fileName, QStringLiteral("PDF-filen har inga sidor"));
    if (page < 1 || page > pages)
        fail(fileName, QStringLiteral("PDF-filen har ingen sida %1, bara %2 %3")
                           .arg(page)
                           .arg(pages)
                           .arg(pages == 1 ? QStringLiteral("sida") : QStringLiteral("sidor")));
    document->setRenderHint(Poppler::Document::Antialiasing);
    document->setRenderHint(Poppler::Document::TextAntialiasing);
    const std::unique_ptr<Poppler::Page> pdfPage = document->page(page - 1);
    if (!pdfPage)
        fail(fileName, QStringLiteral("sidan %1 är trasig").arg(page));
    return {drawPdfPage(*pdfPage, fileName, room), pages};
}

} // namespace

QImage DrawPdfPage(const Poppler::Page &pdfPage, QSize room, int maxMilliseconds)
{
    const QSizeF points = pdfPage.pageSizeF();
    if (points.isEmpty())
        return {};
    const QSize size = fittedDrawing(points, room);
    const double dotsPerInch = 72.0 * size.width() / points.width();
    const qint64 deadline = QDateTime::currentMSecsSinceEpoch() + maxMilliseconds;
    return pdfPage.renderToImage(dotsPerInch, dotsPerInch, -1, -1, -1, -1, Poppler::Page::Rotate0,
                                 nullptr, nullptr, pastDeadline, QVariant(deadline));
}

Source ReadSourceData(const QByteArray &bytes, const QString &fileName, int page, QSize drawingSize)
{
    if (bytes.isEmpty())
        fail(fileName, QStringLiteral("filen är tom"));
    if (bytes.size() > MaxFileBytes)
        fail(fileName, QStringLiteral("filen är större än %1 MB").arg(megabytes(MaxFileBytes)));
    if (isPdf(bytes))
        return readPdf(bytes, fileName, page, drawingSize);
    if (isSvg(bytes))
        return {readSvg(bytes, fileName, page, drawingSize), 1};
    return {readRaster(bytes, fileName, page), 1};
}

void SetUpReading()
{
    QImageReader::setAllocationLimit(int(MaxPixels * 8 / (1024 * 1024)) + 1);
    quietDecoding = true;
}

Source ReadSource(const QString &fileName, int page)
{
    return ReadSourceData(ReadSourceBytes(fileName), fileName, page);
}

QByteArray ReadSourceBytes(const QString &fileName)
{
    switch (core::kindOfFile(fileName)) {
    case core::FileKind::Missing:
        fail(fileName, QStringLiteral("filen finns inte"));
    case core::FileKind::Folder:
        fail(fileName, QStringLiteral("det är en mapp"));
    case core::FileKind::Special:
        fail(fileName, QStringLiteral("det är ingen vanlig fil"));
    case core::FileKind::Plain:
        break;
    }
    QFile file(fileName);
    if (file.size() > MaxFileBytes)
        fail(fileName, QStringLiteral("filen är större än %1 MB").arg(megabytes(MaxFileBytes)));
    if (!file.open(QIODevice::ReadOnly))
        fail(fileName, file.errorString());
    return file.readAll();
}

QImage PreparePage(const QString &fileName, int page, const PageOptions &options)
{
    return PreparePicture(ReadSource(fileName, page).picture, options).page;
}

} // namespace zedoimport
