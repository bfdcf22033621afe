// SPDX-License-Identifier: GPL-3.0-or-later
#include "zedoimport/pagereader.h"

#include "zedoimport/pagemaker.h"

#include "badfiles.h"
#include "errormessage.h"
#include "pagecheck.h"
#include "procstatus.h"
#include "testpages.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <sys/stat.h>

namespace {

using zedoimport::ReadSourceData;

// A GIF that Qt can read but not write: every pixel is a code of its own,
// and the code table starts afresh before its codes would grow wider.
QByteArray gifOf(const QImage &picture)
{
    QByteArray gif("GIF89a");
    const auto put16 = [&](int value) { gif += char(value & 0xFF), gif += char(value >> 8); };
    put16(picture.width());
    put16(picture.height());
    gif += QByteArray("\xF7\x00\x00", 3);
    for (int grey = 0; grey < 256; ++grey)
        gif += QByteArray(3, char(grey));
    gif += ',';
    put16(0), put16(0), put16(picture.width()), put16(picture.height());
    gif += QByteArray("\x00\x08", 2);
    QByteArray codes;
    quint32 bits = 0;
    int count = 0;
    const auto code = [&](int value) {
        bits |= quint32(value) << count;
        for (count += 9; count >= 8; count -= 8, bits >>= 8)
            codes += char(bits & 0xFF);
    };
    int sinceClear = 250;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (sinceClear++ == 250) {
                code(256);
                sinceClear = 0;
            }
            code(qGray(picture.pixel(x, y)));
        }
    }
    code(257);
    if (count > 0)
        codes += char(bits & 0xFF);
    for (qsizetype at = 0; at < codes.size(); at += 255) {
        const QByteArray block = codes.mid(at, 255);
        gif += char(block.size()) + block;
    }
    return gif + QByteArray("\x00;", 2);
}

quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFF;
    for (const char byte : bytes) {
        crc ^= quint8(byte);
        for (int i = 0; i < 8; ++i)
            crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320 : crc >> 1;
    }
    return ~crc;
}

// A small PNG whose header claims 30000 x 30000 pixels, 3.6 GB at 32 bits,
// with a header checksum that holds, so only the size gives it away.
QByteArray hugePng()
{
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QByteArray png = testpages::encoded(picture, "PNG");
    qToBigEndian(quint32(30000), png.data() + 16);
    qToBigEndian(quint32(30000), png.data() + 20);
    qToBigEndian(crc32(png.mid(12, 17)), png.data() + 29);
    return png;
}

// A square frame in an SVG of `side` units, claimed as its size or only in
// its view box. It is a white square on a black one: Qt draws no line wider
// than 32767 units.
QByteArray svgOf(qint64 side, bool viewBoxOnly)
{
    const QByteArray n = QByteArray::number(side);
    const QByteArray size = viewBoxOnly ? "viewBox=\"0 0 " + n + ' ' + n + '"'
                                        : "width=\"" + n + "\" height=\"" + n + '"';
    const auto square = [&](int from, const char *colour) {
        const QByteArray at = QByteArray::number(side / 100 * from);
        const QByteArray length = QByteArray::number(side / 100 * (100 - 2 * from));
        return "<rect x=\"" + at + "\" y=\"" + at + "\" width=\"" + length + "\" height=\"" +
               length + "\" fill=\"" + colour + "\"/>";
    };
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" " + size + '>' + square(10, "black") +
           square(12, "white") + "</svg>";
}

// Drawings read by another renderer lie a fraction of a pixel off the
// original, so for them the lines are counted rather than followed.
void checkPage(const QImage &picture, const QImage &original, bool sameRenderer)
{
    const QImage prepared = zedoimport::PreparePicture(picture).page;
    QCOMPARE(prepared.size(), core::page::Size);
    QVERIFY(pagecheck::onlyBlackAndWhite(prepared));
    const pagecheck::Areas areas = pagecheck::compareAreas(original, prepared);
    qInfo("%s: %d of %d areas of 40 pixels or more kept, %d joined", QTest::currentDataTag(),
          areas.kept, areas.big, areas.joined);
    QCOMPARE(areas.joined, 0);
    QCOMPARE(areas.kept, areas.big);
    QCOMPARE(pagecheck::blackPieces(prepared).sizes.size(),
             pagecheck::blackPieces(original, 64).sizes.size());
    if (sameRenderer)
        QCOMPARE(pagecheck::brokenLines(original, prepared), 0);
}

} // namespace

class TstPageReader : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { zedoimport::SetUpReading(); }
    void everyFormat_data();
    void everyFormat();
    void pdfPages();
    void refused_data();
    void refused();
    void refusedFiles_data();
    void refusedFiles();
    void enormousDrawingsDrawnSmall_data();
    void enormousDrawingsDrawnSmall();
    void cutShortFilesGiveAPageOrAMessage_data();
    void cutShortFilesGiveAPageOrAMessage();
};

void TstPageReader::everyFormat_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("sameRenderer");
    const QImage a4 = testpages::linePage();
    QTest::newRow("PNG") << testpages::encoded(a4, "PNG") << true;
    QTest::newRow("PNG with transparency")
        << testpages::encoded(testpages::linePage(testpages::A4, testpages::Fill::Clear), "PNG")
        << true;
    QTest::newRow("JPEG quality 30") << testpages::encoded(a4, "JPEG", 30) << true;
    QTest::newRow("JPEG quality 85") << testpages::encoded(a4, "JPEG", 85) << true;
    QTest::newRow("BMP") << testpages::encoded(a4, "BMP") << true;
    QTest::newRow("WebP") << testpages::encoded(a4, "WEBP", 80) << true;
    QTest::newRow("TIFF") << testpages::encoded(a4, "TIFF") << true;
    QTest::newRow("GIF, 150 dpi") << gifOf(testpages::linePage(QSize(1240, 1754))) << true;
    QTest::newRow("SVG") << testpages::svgPage() << true;
    QTest::newRow("PDF") << testpages::pdfPage() << false;
    // The finer setting of every home scanner: 35 million pixels, beyond
    // Qt's own limit in memory.
    const QImage a4at600 = testpages::linePage(QSize(4960, 7016));
    QTest::newRow("PNG, 600 dpi") << testpages::encoded(a4at600, "PNG") << true;
    QTest::newRow("JPEG, 600 dpi") << testpages::encoded(a4at600, "JPEG", 85) << true;
}

// Each picture against the same drawing made at the size it was read at.
void TstPageReader::everyFormat()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, sameRenderer);
    zedoimport::Source source;
    const std::optional<QString> failure =
        errorMessageOf([&] { source = ReadSourceData(bytes, QStringLiteral("sida")); });
    QVERIFY2(!failure, qPrintable(failure.value_or(QString())));
    QCOMPARE(source.pageCount, 1);
    // A JPEG is decoded at the size the page needs, at most twice that.
    if (bytes.startsWith("\xFF\xD8"))
        QVERIFY(source.picture.height() < 2 * 4 * core::page::fittedRect(testpages::A4).height());
    checkPage(source.picture, testpages::linePage(source.picture.size()), sameRenderer);
}

void TstPageReader::pdfPages()
{
    const QByteArray pdf = testpages::pdfPage(3);
    for (int page = 1; page <= 3; ++page) {
        const zedoimport::Source source = ReadSourceData(pdf, QStringLiteral("sidor.pdf"), page);
        QCOMPARE(source.pageCount, 3);
        QVERIFY(source.picture.height() <= zedoimport::DrawingSize.height());
        QVERIFY(source.picture.width() <= zedoimport::DrawingSize.width());
    }
}

void TstPageReader::refused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("cause");
    const QByteArray png = testpages::encoded(testpages::linePage(QSize(200, 283)), "PNG");
    QTest::newRow("empty") << QByteArray() << 1 << "filen är tom";
    QTest::newRow("no known format")
        << badfiles::randomBytes(3, 5000) << 1 << "det är varken en bild eller en PDF-fil";
    QTest::newRow("PNG claiming 30000 x 30000")
        << hugePng() << 1 << "bilden är för stor (30000 × 30000";
    QTest::newRow("bitmap claiming 100000 x 100000") << badfiles::hugeBitmap() << 1 << "bilden är";
    QTest::newRow("damaged PNG") << png.left(40) + badfiles::randomBytes(5, 400) << 1
                                 << "bilden är trasig";
    if (QImageReader::supportedImageFormats().contains("mng"))
        QTest::newRow("MNG read with success and no picture")
            << badfiles::mngWithoutAPicture() << 1 << "bilden är trasig";
    QTest::newRow("damaged SVG") << QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\"><g>") << 1
                                 << "SVG-bilden är trasig";
    QTest::newRow("SVG of no size") << QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\"/>")
                                    << 1 << "SVG-bilden anger ingen storlek";
    QTest::newRow("damaged PDF") << "%PDF-1.4\n" + badfiles::randomBytes(7, 3000) << 1
                                 << "PDF-filen är trasig";
    QTest::newRow("second page of a picture") << png << 2 << "bara PDF-filer har fler sidor";
    QTest::newRow("fourth page of three")
        << testpages::pdfPage(3) << 4 << "PDF-filen har ingen sida 4, bara 3 sidor";
    QTest::newRow("page 0") << testpages::pdfPage(1) << 0
                            << "PDF-filen har ingen sida 0, bara 1 sida";
}

void TstPageReader::refused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, page);
    QFETCH(QString, cause);
    const std::optional<QString> message =
        errorMessageOf([&] { ReadSourceData(bytes, QStringLiteral("/hämtat/sida.x"), page); });
    QVERIFY(message);
    QVERIFY2(message->startsWith(QStringLiteral("Filen /hämtat/sida.x kan inte läsas: ")),
             qPrintable(*message));
    QVERIFY2(message->contains(cause), qPrintable(*message));
}

void TstPageReader::refusedFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("cause");
    QTest::newRow("missing") << "saknas.png"
                             << "filen finns inte";
    QTest::newRow("a folder") << "mapp.png"
                              << "det är en mapp";
    QTest::newRow("a pipe") << "rör.png"
                            << "det är ingen vanlig fil";
    QTest::newRow("over 100 MB") << "stor.png"
                                 << "filen är större än 100 MB";
}

void TstPageReader::refusedFiles()
{
    QFETCH(QString, name);
    QFETCH(QString, cause);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("mapp.png")));
    QCOMPARE(mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("rör.png"))).constData(), 0600),
             0);
    QFile big(dir.filePath(QStringLiteral("stor.png")));
    QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(zedoimport::MaxFileBytes + 1));
    big.close();
    const QString path = dir.filePath(name);
    const std::optional<QString> message = errorMessageOf([&] { zedoimport::ReadSource(path); });
    QCOMPARE(message, QStringLiteral("Filen %1 kan inte läsas: %2.").arg(path, cause));
}

void TstPageReader::enormousDrawingsDrawnSmall_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("page");
    QTest::newRow("SVG of 10 000 000 x 10 000 000") << svgOf(10'000'000, false) << 1;
    QTest::newRow("SVG of a huge view box") << svgOf(100'000'000, true) << 1;
    QTest::newRow("last page of a PDF of 1000") << testpages::pdfPage(1000) << 1000;
}

// Drawn at the size they get on the page, whatever size they claim, and in
// a bounded amount of memory.
void TstPageReader::enormousDrawingsDrawnSmall()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, page);
    QVERIFY(resetPeakMemory());
    const qint64 before = memoryKb("VmHWM");
    const zedoimport::Source source = ReadSourceData(bytes, QStringLiteral("stor"), page);
    const QImage prepared = zedoimport::PreparePicture(source.picture).page;
    QVERIFY(source.picture.width() <= zedoimport::DrawingSize.width());
    QVERIFY(source.picture.height() <= zedoimport::DrawingSize.height());
    // The frame's inside and outside, and the margin outside a cut page.
    QVERIFY(pagecheck::whitePieces(prepared).sizes.size() >= 2);
    const qint64 grown = memoryKb("VmHWM") - before;
    QVERIFY2(grown < 200 * 1024, qPrintable(QString::number(grown)));
}

void TstPageReader::cutShortFilesGiveAPageOrAMessage_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QImage a4 = testpages::linePage(QSize(1240, 1754));
    const QByteArray jpeg = testpages::encoded(a4, "JPEG", 85);
    const QByteArray pdf = testpages::pdfPage(2);
    QTest::newRow("JPEG cut in half") << jpeg.left(jpeg.size() / 2);
    QTest::newRow("PDF cut in half") << pdf.left(pdf.size() / 2);
    QTest::newRow("WebP cut in half") << testpages::encoded(a4, "WEBP").left(3000);
    QTest::newRow("TIFF cut short") << testpages::encoded(a4, "TIFF").left(5000);
}

void TstPageReader::cutShortFilesGiveAPageOrAMessage()
{
    QFETCH(QByteArray, bytes);
    try {
        const zedoimport::Source source = ReadSourceData(bytes, QStringLiteral("kort"));
        QCOMPARE(zedoimport::PreparePicture(source.picture).page.size(), core::page::Size);
    } catch (const core::Error &error) {
        QVERIFY2(error.message().contains(QStringLiteral("kort kan inte läsas: ")),
                 qPrintable(error.message()));
    }
}

QTEST_MAIN(TstPageReader)
#include "tst_pagereader.moc"
