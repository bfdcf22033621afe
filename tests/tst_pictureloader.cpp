// SPDX-License-Identifier: GPL-3.0-or-later
#include "badfiles.h"
#include "core/pictureloader.h"

#include "errormessage.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

constexpr int Width = 13; // odd, so rows of every depth need padding
constexpr int Height = 7;

// An indexed picture whose pixels run through all `colors` entries of its table.
QImage indexedPicture(QImage::Format format, int colors)
{
    QImage picture(Width, Height, format);
    QList<QRgb> table;
    for (int i = 0; i < colors; ++i)
        table += qRgb(i, 255 - i, (i * 7) % 256);
    picture.setColorTable(table);
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            picture.setPixel(x, y, uint((x + y * Width) % colors));
    return picture;
}

QImage truecolorPicture()
{
    QImage picture(Width, Height, QImage::Format_RGB32);
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            picture.setPixel(x, y, qRgb(x * 19, y * 37, (x * y * 5) % 256));
    return picture;
}

void put32(QByteArray &bytes, int at, qint32 value)
{
    qToLittleEndian(value, bytes.data() + at);
}

// Qt writes neither 32-bit nor compressed bitmaps, so those are put together
// by hand: a file header and a 40-byte info header, then the colour table
// (blue, green, red, spare) and the pixel data.
QByteArray bitmapFile(QSize size, int depth, int compression, const QList<QRgb> &palette,
                      const QByteArray &data)
{
    const int offset = 54 + 4 * int(palette.size());
    QByteArray bytes(offset, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(bytes, 2, offset + int(data.size()));
    put32(bytes, 10, offset);
    put32(bytes, 14, 40);
    put32(bytes, 18, size.width());
    put32(bytes, 22, size.height());
    qToLittleEndian(quint16(1), bytes.data() + 26);
    qToLittleEndian(quint16(depth), bytes.data() + 28);
    put32(bytes, 30, compression);
    put32(bytes, 34, int(data.size()));
    put32(bytes, 46, int(palette.size()));
    for (int i = 0; i < palette.size(); ++i) {
        bytes[54 + 4 * i] = char(qBlue(palette[i]));
        bytes[55 + 4 * i] = char(qGreen(palette[i]));
        bytes[56 + 4 * i] = char(qRed(palette[i]));
    }
    return bytes + data;
}

// Rows of blue, green, red and a spare byte; a negative height puts the top
// row first.
QByteArray bitmap32(const QImage &picture, bool topDown)
{
    QByteArray data;
    for (int row = 0; row < picture.height(); ++row) {
        const int y = topDown ? row : picture.height() - 1 - row;
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            data += char(qBlue(pixel));
            data += char(qGreen(pixel));
            data += char(qRed(pixel));
            data += '\0';
        }
    }
    const int height = topDown ? -picture.height() : picture.height();
    return bitmapFile(QSize(picture.width(), height), 32, 0, {}, data);
}

const QList<QRgb> RunLengthPalette = {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(255, 0, 0),
                                      qRgb(0, 0, 255)};

// What both run-length coded bitmaps below show.
QImage runLengthPicture()
{
    const int rows[3][6] = {{1, 1, 1, 1, 1, 1}, {1, 2, 3, 0, 0, 0}, {2, 2, 2, 2, 2, 2}};
    QImage picture(6, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 6; ++x)
            picture.setPixel(x, y, RunLengthPalette[rows[y][x]]);
    return picture;
}

// Bottom row first: a run of six, end of line; three pixels as they are and
// a run of three, end of line; a run of six, end of bitmap.
QByteArray runLength8()
{
    const QByteArray codes("\x06\x02\x00\x00"
                           "\x00\x03\x01\x02\x03\x00\x03\x00\x00\x00"
                           "\x06\x01\x00\x01",
                           18);
    return bitmapFile(QSize(6, 3), 8, 1, RunLengthPalette, codes);
}

// The same with two pixels to a byte.
QByteArray runLength4()
{
    const QByteArray codes("\x06\x22\x00\x00"
                           "\x00\x03\x12\x30\x03\x00\x00\x00"
                           "\x06\x11\x00\x01",
                           16);
    return bitmapFile(QSize(6, 3), 4, 2, RunLengthPalette, codes);
}

using badfiles::encoded;

// The bitmap `bytes` with the 32-bit header field at `at` changed.
QByteArray withField(QByteArray bytes, int at, qint32 value)
{
    put32(bytes, at, value);
    return bytes;
}

void writeBytes(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

void comparePixels(const QImage &loaded, const QImage &expected)
{
    QCOMPARE(loaded.size(), expected.size());
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            QCOMPARE(loaded.pixel(x, y), expected.pixel(x, y));
}

} // namespace

class TstPictureLoader : public QObject
{
    Q_OBJECT

private slots:
    void emptyNameGivesNoPicture() { QVERIFY(core::LoadPicture(QString()).isNull()); }

    void bitmapsOfEveryDepth_data()
    {
        QTest::addColumn<QImage>("picture");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("depth");
        const QImage mono = indexedPicture(QImage::Format_Mono, 2);
        const QImage sixteen = indexedPicture(QImage::Format_Indexed8, 16);
        const QImage many = indexedPicture(QImage::Format_Indexed8, 200);
        const QImage truecolor = truecolorPicture();
        QTest::newRow("1 bit") << mono << encoded(mono, "BMP") << 1;
        QTest::newRow("4 bits") << sixteen << encoded(sixteen, "BMP") << 4;
        QTest::newRow("8 bits") << many << encoded(many, "BMP") << 8;
        QTest::newRow("24 bits") << truecolor << encoded(truecolor, "BMP") << 24;
        QTest::newRow("32 bits") << truecolor << bitmap32(truecolor, false) << 32;
        QTest::newRow("32 bits, top row first") << truecolor << bitmap32(truecolor, true) << 32;
        QTest::newRow("8 bits, run-length coded") << runLengthPicture() << runLength8() << 8;
        QTest::newRow("4 bits, run-length coded") << runLengthPicture() << runLength4() << 4;
    }

    void bitmapsOfEveryDepth()
    {
        QFETCH(QImage, picture);
        QFETCH(QByteArray, bytes);
        QFETCH(int, depth);
        QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 28), depth);
        QTemporaryDir dir;
        const QString fileName = dir.filePath("bild.bmp");
        writeBytes(fileName, bytes);
        comparePixels(core::LoadPicture(fileName), picture);
    }

    // Codes may jump over pixels or end a row or the picture early; those
    // pixels are colour 0 of the bitmap, never what the memory held.
    void runLengthSkippedPixelsAreColourZero_data()
    {
        QTest::addColumn<QByteArray>("codes"); // for 4 x 3 pixels, bottom row first
        QTest::addColumn<int>("depth");
        QTest::addColumn<QStringList>("rows"); // top row first: 0 white, 1 black
        QTest::newRow("a jump over two pixels")
            << QByteArray("\x04\x01\x00\x00"
                          "\x01\x01\x00\x02\x02\x00\x01\x01\x00\x00"
                          "\x04\x01\x00\x01",
                          18)
            << 8 << QStringList{"1111", "1001", "1111"};
        QTest::newRow("a row ended early")
            << QByteArray("\x04\x01\x00\x00\x02\x01\x00\x00\x04\x01\x00\x01", 12) << 8
            << QStringList{"1111", "1100", "1111"};
        QTest::newRow("the picture ended early") << QByteArray("\x04\x01\x00\x00\x00\x01", 6) << 8
                                                 << QStringList{"0000", "0000", "1111"};
        QTest::newRow("a jump over a row, 4 bits")
            << QByteArray("\x04\x11\x00\x00\x00\x02\x00\x01\x04\x11\x00\x01", 12) << 4
            << QStringList{"1111", "0000", "1111"};
    }

    void runLengthSkippedPixelsAreColourZero()
    {
        QFETCH(QByteArray, codes);
        QFETCH(int, depth);
        QFETCH(QStringList, rows);
        const QList<QRgb> palette = {qRgb(255, 255, 255), qRgb(0, 0, 0)};
        QImage expected(4, 3, QImage::Format_RGB32);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x)
                expected.setPixel(x, y, palette[rows[y][x] == u'1']);
        QTemporaryDir dir;
        const QString fileName = dir.filePath("bild.bmp");
        writeBytes(fileName, bitmapFile(QSize(4, 3), depth, depth == 8 ? 1 : 2, palette, codes));
        comparePixels(core::LoadPicture(fileName), expected);
    }

    // Pixels may name colours beyond the bitmap's colour table. They show
    // black, also when the picture is painted, which must not read past the
    // table.
    void colourBeyondTheTableIsBlack_data()
    {
        QTest::addColumn<int>("depth");
        QTest::addColumn<int>("compression");
        QTest::addColumn<QList<QRgb>>("palette");
        QTest::addColumn<QByteArray>("data"); // one row of four pixels
        QTest::addColumn<QList<QRgb>>("shown");
        const QRgb white = qRgb(255, 255, 255);
        const QRgb red = qRgb(255, 0, 0);
        const QRgb black = qRgb(0, 0, 0);
        QTest::newRow("8 bits") << 8 << 0 << QList<QRgb>{white, red}
                                << QByteArray("\x00\x01\x02\xff", 4)
                                << QList<QRgb>{white, red, black, black};
        QTest::newRow("4 bits, run-length coded")
            << 4 << 2 << QList<QRgb>{white, red} << QByteArray("\x04\x1f\x00\x01", 4)
            << QList<QRgb>{red, black, red, black};
        QTest::newRow("1 bit, one colour")
            << 1 << 0 << QList<QRgb>{white} << QByteArray("\xa0\x00\x00\x00", 4)
            << QList<QRgb>{black, white, black, white};
    }

    void colourBeyondTheTableIsBlack()
    {
        QFETCH(int, depth);
        QFETCH(int, compression);
        QFETCH(QList<QRgb>, palette);
        QFETCH(QByteArray, data);
        QFETCH(QList<QRgb>, shown);
        QTemporaryDir dir;
        const QString fileName = dir.filePath("bild.bmp");
        writeBytes(fileName, bitmapFile(QSize(4, 1), depth, compression, palette, data));
        const QImage loaded = core::LoadPicture(fileName);
        QImage painted(4, 1, QImage::Format_RGB32);
        painted.fill(Qt::green);
        QPainter(&painted).drawImage(0, 0, loaded);
        for (int x = 0; x < 4; ++x) {
            QCOMPARE(loaded.pixel(x, 0), shown[x]);
            QCOMPARE(painted.pixel(x, 0), shown[x]);
        }
    }

    void otherFormats_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QString>("name");
        QTest::newRow("PNG") << QByteArray("png") << "bild.png";
        QTest::newRow("icon") << QByteArray("ico") << "bild.ico";
        QTest::newRow("PNG named as a bitmap") << QByteArray("png") << "bild.bmp";
        QTest::newRow("icon named as a bitmap") << QByteArray("ico") << "bild.bmp";
        QTest::newRow("bitmap named as an icon") << QByteArray("bmp") << "bild.ico";
    }

    // The contents tell the format, never the name.
    void otherFormats()
    {
        QFETCH(QByteArray, format);
        QFETCH(QString, name);
        QTemporaryDir dir;
        const QString fileName = dir.filePath(name);
        const QImage picture = truecolorPicture();
        QVERIFY(picture.save(fileName, format.constData()));
        comparePixels(core::LoadPicture(fileName), picture);
    }

    void fileThatCannotBeOpened_data()
    {
        QTest::addColumn<bool>("makeDirectory");
        QTest::newRow("no file") << false;
        QTest::newRow("a directory") << true;
    }

    void fileThatCannotBeOpened()
    {
        QFETCH(bool, makeDirectory);
        QTemporaryDir dir;
        const QString fileName = dir.filePath("bild.bmp");
        if (makeDirectory)
            QVERIFY(QDir(dir.path()).mkdir("bild.bmp"));
        const auto message = errorMessageOf([&] { core::LoadPicture(fileName); });
        QVERIFY2(message, "no core::Error thrown");
        QVERIFY2(message->contains(fileName), qPrintable(*message));
    }

    // Each of these must fail whole, never give a picture with a black or
    // missing part.
    void damagedFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray bitmap = encoded(truecolorPicture(), "BMP");
        const QByteArray png = encoded(truecolorPicture(), "PNG");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("text, not a picture") << QByteArray("Det här är ingen bild.\r\n");
        QTest::newRow("bitmap cut short") << bitmap.left(bitmap.size() - 50);
        QTest::newRow("bitmap cut in its header") << bitmap.left(30);
        QTest::newRow("bitmap taller than its data") << withField(bitmap, 22, 70);
        QTest::newRow("bitmap data beyond the end") << withField(bitmap, 10, 100000);
        QTest::newRow("bitmap of 100000 x 100000")
            << withField(withField(bitmap, 18, 100000), 22, 100000);
        QTest::newRow("bitmap with no width") << withField(bitmap, 18, 0);
        QTest::newRow("bitmap of an unknown depth")
            << bitmap.left(28) + QByteArray("\x07\x00", 2) + bitmap.mid(30);
        QTest::newRow("8-bit run-length bitmap cut short") << runLength8().chopped(6);
        QTest::newRow("4-bit run-length bitmap cut short") << runLength4().chopped(4);
        QTest::newRow("run-length bitmap cut in a run of pixels as they are")
            << runLength4().chopped(9);
        QTest::newRow("PNG cut short") << png.left(png.size() / 2);
        QTest::newRow("portable bitmap of 100000 x 100000")
            << QByteArray("P1\n100000 100000\n0 1 0\n");
        // Qt's reader tells the size of the 4 x 4 frame beforehand and then
        // makes a picture of the whole 5000 x 5001 screen.
        QTest::newRow("GIF with a screen beyond the limit around a small frame")
            << QByteArray("GIF89a\x88\x13\x89\x13\x00\x00\x00\x21\xf9\x04\x00\x00\x00\x00\x00"
                          "\x2c\x00\x00\x00\x00\x04\x00\x04\x00\x00\x02\x09\x05\x00\x3b",
                          36);
    }

    void readerSucceedingWithNoPicture()
    {
        if (!QImageReader::supportedImageFormats().contains("mng"))
            QSKIP("Qt reads no MNG here");
        QTemporaryDir dir;
        const QString fileName = dir.filePath("bild.bmp");
        writeBytes(fileName, badfiles::mngWithoutAPicture());
        const auto message = errorMessageOf([&] { core::LoadPicture(fileName); });
        QVERIFY2(message, "no core::Error thrown");
        QVERIFY2(message->contains(fileName), qPrintable(*message));
    }

    void damagedFile()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString fileName = dir.filePath("bild.bmp");
        writeBytes(fileName, bytes);
        const auto message = errorMessageOf([&] { core::LoadPicture(fileName); });
        QVERIFY2(message, "no core::Error thrown");
        QVERIFY2(message->contains(fileName), qPrintable(*message));
    }
};

QTEST_GUILESS_MAIN(TstPictureLoader)
#include "tst_pictureloader.moc"
