// SPDX-License-Identifier: GPL-3.0-or-later
// The readers' entry points for bytes in memory, which the fuzzers drive,
// read every file of the fuzzers' corpora and every real picture of the
// project exactly as the entry points for a file do: the same values or
// pictures, or the same message.
#include "core/error.h"
#include "core/pictureloader.h"
#include "core/settingsfile.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <functional>

namespace {

QByteArray contentsOf(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Each file of the folders under the source tree whose names match `pattern`.
void addFiles(const QStringList &folders, const QStringList &pattern)
{
    QTest::addColumn<QString>("fileName");
    for (const QString &folder : folders) {
        const QDir dir(QStringLiteral(KRUMELO_SOURCE_DIR "/") + folder);
        for (const QString &name : dir.entryList(pattern, QDir::Files))
            QTest::newRow(qPrintable(folder + u'/' + name)) << dir.filePath(name);
    }
}

// Every field in the colouring program's order, as text, ending with the
// message that stopped the reading, if any.
QStringList readRecord(core::SettingsReader &reader)
{
    QStringList read;
    try {
        read << reader.readString(QStringLiteral("PicturePath"));
        const qint16 count = reader.readInteger(QStringLiteral("ColorCount"));
        read << QString::number(count);
        for (int i = 0; i < count; ++i)
            read << QString::number(reader.readInteger(QStringLiteral("Colors(%1)").arg(i)));
        for (const char *field :
             {"PenWidth", "StartInFillMode", "ShowQuit", "ShowPrint", "ShowToolToggle"})
            read << QString::number(reader.readInteger(QString::fromLatin1(field)));
    } catch (const core::Error &error) {
        read << error.message();
    }
    return read;
}

struct Loaded
{
    QImage picture;
    QString message; // empty when the picture loaded
};

Loaded load(const std::function<QImage()> &loader)
{
    try {
        return {loader(), {}};
    } catch (const core::Error &error) {
        return {{}, error.message()};
    }
}

} // namespace

class TstReadFromMemory : public QObject
{
    Q_OBJECT

private slots:
    void settingsAsInTheFile_data() { addFiles({"fuzz/corpus/settings", "examples"}, {"*.ini"}); }

    void settingsAsInTheFile()
    {
        QFETCH(QString, fileName);
        core::SettingsReader fromFile(fileName);
        core::SettingsReader fromBytes(contentsOf(fileName), fileName);
        const QStringList read = readRecord(fromFile);
        QCOMPARE(readRecord(fromBytes), read);
    }

    void pictureAsInTheFile_data()
    {
        addFiles({"fuzz/corpus/picture", "resources", "examples"}, {"*"});
    }

    void pictureAsInTheFile()
    {
        QFETCH(QString, fileName);
        const Loaded fromFile = load([&] { return core::LoadPicture(fileName); });
        const Loaded fromBytes =
            load([&] { return core::PictureFromBytes(contentsOf(fileName), fileName); });
        QCOMPARE(fromBytes.message, fromFile.message);
        QCOMPARE(fromBytes.picture.format(), fromFile.picture.format());
        QCOMPARE(fromBytes.picture, fromFile.picture);
    }

    // A lower limit refuses, naming the file and the size, a picture the
    // usual limit lets through.
    void lowerPixelLimit()
    {
        const QString fileName = QStringLiteral(KRUMELO_SOURCE_DIR "/resources/page.bmp");
        const QByteArray bytes = contentsOf(fileName);
        const QImage picture = core::PictureFromBytes(bytes, fileName);
        QVERIFY(!picture.isNull());
        const qint64 pixels = qint64(picture.width()) * picture.height();
        QVERIFY(load([&] {
                    return core::PictureFromBytes(bytes, fileName, pixels);
                }).message.isEmpty());
        const QString refused =
            load([&] { return core::PictureFromBytes(bytes, fileName, pixels - 1); }).message;
        QVERIFY2(refused.contains(fileName) && refused.contains(u"för stor"), qPrintable(refused));
    }
};

QTEST_GUILESS_MAIN(TstReadFromMemory)
#include "tst_readfrommemory.moc"
