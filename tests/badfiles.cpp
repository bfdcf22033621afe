// SPDX-License-Identifier: GPL-3.0-or-later
#include "badfiles.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QRandomGenerator>
#include <QtEndian>

namespace badfiles {

QByteArray encoded(const QImage &picture, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, format);
    return bytes;
}

QByteArray hugeBitmap()
{
    QImage picture(8, 6, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QByteArray bytes = encoded(picture, "BMP");
    qToLittleEndian(qint32(100000), bytes.data() + 18);
    qToLittleEndian(qint32(100000), bytes.data() + 22);
    return bytes;
}

QByteArray mngWithoutAPicture()
{
    return QByteArray("\x8a\x4d\x4e\x47\x0d\x0a\x1a\x0a\x00\x00\x00\x00\x00\x2c"
                      "\x00\x00\x00\x00\x04\x00\x04\x00\x00\x02\x09\x05\x00\x14",
                      28);
}

QByteArray damagedBitmap()
{
    return "BM" + QByteArray(60, '\x7f');
}

QByteArray randomBytes(quint32 seed, int size)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, '\0');
    for (char &byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

std::map<QString, QByteArray> folderContents(const QString &path)
{
    std::map<QString, QByteArray> contents;
    const QDir dir(path);
    for (const QFileInfo &entry :
         dir.entryInfoList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot)) {
        QFile file(entry.filePath());
        QCryptographicHash digest(QCryptographicHash::Sha256);
        const bool plain = entry.isFile() && file.open(QIODevice::ReadOnly);
        contents[entry.fileName()] =
            plain && digest.addData(&file) ? digest.result() : QByteArray("(no plain file)");
    }
    return contents;
}

} // namespace badfiles
