// SPDX-License-Identifier: GPL-3.0-or-later
// Every kind of bad zedo.ini the colouring program may meet: an adult's hand
// edit, a copy from elsewhere, a file cut short by a crash, a picture that is
// none. Each load fails with a message that names the file and says what is
// wrong, the window is never shown and nothing in the folder changes.
#include "badfiles.h"
#include "procstatus.h"
#include "fixture/zedofixture.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QtEndian>

#include <sys/stat.h>

using badfiles::encoded;
using badfiles::folderContents;
using fixture::ZedoFixture;

namespace {

// The fields of a good file of three colours, in file order.
const QStringList Fields = {"PicturePath", "ColorCount",    "Colors(0)",       "Colors(1)",
                            "Colors(2)",   "PenWidth",      "StartInFillMode", "ShowQuit",
                            "ShowPrint",   "ShowToolToggle"};

QStringList goodValues()
{
    return fixture::settings({12, 9, 2}, 10, -1, -1, -1, -1);
}

QByteArray lines(const QStringList &values)
{
    QByteArray bytes;
    for (const QString &value : values)
        bytes += value.toLatin1() + "\r\n";
    return bytes;
}

QByteArray withValue(int field, const QString &value)
{
    QStringList values = goodValues();
    values[field] = value;
    return lines(values);
}

QByteArray bitmapBytes()
{
    return encoded(fixture::testPage(), "BMP");
}

} // namespace

class TstZedoBadSettings : public QObject
{
    Q_OBJECT

private:
    // Puts next to the good test page every bad picture a row may name.
    static void addBadPictures(const ZedoFixture &program)
    {
        QVERIFY(QDir(program.path(QString())).mkdir(QStringLiteral("mapp.bmp")));
        program.write(QStringLiteral("text.bmp"), "Det här är ingen bild.\r\n");
        program.write(QStringLiteral("trasig.bmp"), badfiles::damagedBitmap());
        program.write(QStringLiteral("jätte.bmp"), badfiles::hugeBitmap());
        QCOMPARE(mkfifo(QFile::encodeName(program.path(QStringLiteral("rör.bmp"))), 0600), 0);
    }

    // Loads with the file as given and checks the failure and the folder.
    static void expectFailure(ZedoFixture &program, const QString &named, const QString &field,
                              const QString &says)
    {
        const auto before = folderContents(program.path(QString()));
        const std::optional<QString> failure = program.load();
        QVERIFY2(failure, "the window loaded");
        const auto contains = [&](const QString &part) {
            QVERIFY2(failure->contains(part),
                     qPrintable(QStringLiteral("\"%1\" not in: %2").arg(part, *failure)));
        };
        contains(QDir::toNativeSeparators(program.path(QStringLiteral("zedo.ini"))));
        if (!named.isEmpty())
            contains(QDir::toNativeSeparators(program.path(named)));
        if (!field.isEmpty())
            contains(QStringLiteral("fältet %1:").arg(field));
        contains(says);
        QVERIFY(!program.form().isVisible());
        QVERIFY(program.errors.isEmpty() && program.messages.isEmpty() && program.ends == 0);
        QVERIFY(folderContents(program.path(QString())) == before);
    }

    static void addColumns()
    {
        QTest::addColumn<std::optional<QByteArray>>("ini"); // nothing: no zedo.ini at all
        QTest::addColumn<QString>("named"); // a picture the message names besides zedo.ini
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("says");
    }

    // The body of the catalogue's three groups below.
    static void loadFails()
    {
        QFETCH(std::optional<QByteArray>, ini);
        QFETCH(QString, named);
        QFETCH(QString, field);
        QFETCH(QString, says);
        ZedoFixture program;
        addBadPictures(program);
        if (ini)
            program.write(QStringLiteral("zedo.ini"), *ini);
        expectFailure(program, named, field, says);
    }

    using Bytes = std::optional<QByteArray>;

private slots:
    void fileCutShort_data()
    {
        addColumns();
        QTest::newRow("no zedo.ini") << Bytes() << ""
                                     << ""
                                     << "finns inte";
        QTest::newRow("empty zedo.ini") << Bytes("") << ""
                                        << "PicturePath"
                                        << "tar slut";
        for (int k = 1; k < Fields.size(); ++k)
            QTest::addRow("file ends before %s", qPrintable(Fields[k]))
                << Bytes(lines(goodValues().mid(0, k))) << "" << Fields[k] << "tar slut";
        QTest::newRow("unterminated quote") << Bytes(withValue(0, "\"page.bmp")) << ""
                                            << "PicturePath"
                                            << "avslutas aldrig";
    }

    void fileCutShort() { loadFails(); }

    void badNumber_data()
    {
        addColumns();
        for (int k = 1; k < Fields.size(); ++k) {
            const QByteArray field = Fields[k].toLatin1();
            const char *name = field.constData();
            QTest::addRow("%s 32768", name)
                << Bytes(withValue(k, "32768")) << "" << Fields[k] << "ryms inte";
            QTest::addRow("%s -32769", name)
                << Bytes(withValue(k, "-32769")) << "" << Fields[k] << "ryms inte";
            QTest::addRow("%s a word", name)
                << Bytes(withValue(k, "tio")) << "" << Fields[k] << "\"tio\" är inte ett heltal";
            QTest::addRow("%s 1.5", name)
                << Bytes(withValue(k, "1.5")) << "" << Fields[k] << "\"1.5\" är inte ett heltal";
        }
        QTest::newRow("-32768 colours") << Bytes(withValue(1, "-32768")) << ""
                                        << "ColorCount"
                                        << "för litet";
        QTest::newRow("11 colours")
            << Bytes(lines(fixture::settings({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}))) << ""
            << "ColorCount"
            << "det finns bara 10 färgrutor";
        QTest::newRow("colour 16") << Bytes(withValue(3, "16")) << ""
                                   << "Colors(1)"
                                   << "färgnummer 16";
        QTest::newRow("colour -1") << Bytes(withValue(4, "-1")) << ""
                                   << "Colors(2)"
                                   << "färgnummer -1";
        QTest::newRow("pen 0") << Bytes(withValue(5, "0")) << ""
                               << "PenWidth"
                               << "minst 1";
        QTest::newRow("pen -5") << Bytes(withValue(5, "-5")) << ""
                                << "PenWidth"
                                << "minst 1";
    }

    void badNumber() { loadFails(); }

    void badPicture_data()
    {
        addColumns();
        const auto picture = [](const QString &name) { return withValue(0, '"' + name + '"'); };
        QTest::newRow("picture is a folder") << Bytes(picture("mapp.bmp")) << "mapp.bmp"
                                             << "PicturePath"
                                             << "är en mapp";
        QTest::newRow("picture missing") << Bytes(picture("saknas.bmp")) << "saknas.bmp"
                                         << "PicturePath"
                                         << "finns inte";
        QTest::newRow("picture is text") << Bytes(picture("text.bmp")) << "text.bmp"
                                         << "PicturePath"
                                         << "inte en bild";
        QTest::newRow("bitmap with a damaged header")
            << Bytes(picture("trasig.bmp")) << "trasig.bmp"
            << "PicturePath"
            << "huvud är trasigt";
        QTest::newRow("bitmap of 100000 x 100000") << Bytes(picture("jätte.bmp")) << "jätte.bmp"
                                                   << "PicturePath"
                                                   << "för stor";
        QTest::newRow("picture is a pipe") << Bytes(picture("rör.bmp")) << "rör.bmp"
                                           << "PicturePath"
                                           << "ingen vanlig fil";
        QTest::newRow("a picture saved as zedo.ini")
            << Bytes(encoded(fixture::testPage(), "PNG")) << ""
            << "PicturePath"
            << "finns inte";
    }

    void badPicture() { loadFails(); }

    // Bytes from nowhere: whatever they hold, the load fails at some field
    // and says so.
    void randomBytes_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("size");
        for (quint32 seed : {1u, 2u, 3u, 4u, 5u})
            QTest::addRow("%u", seed) << seed << 1000 * int(seed);
    }

    void randomBytes()
    {
        QFETCH(quint32, seed);
        QFETCH(int, size);
        ZedoFixture program;
        program.write(QStringLiteral("zedo.ini"), badfiles::randomBytes(seed, size));
        expectFailure(program, QString(), QString(), QStringLiteral("fältet"));
    }

    void pipeAsSettingsFile()
    {
        ZedoFixture program;
        QCOMPARE(mkfifo(QFile::encodeName(program.path(QStringLiteral("zedo.ini"))), 0600), 0);
        expectFailure(program, QString(), QString(), QStringLiteral("ingen vanlig fil"));
    }

    // A file of many megabytes is read no further than its first bad field,
    // and never held in memory whole.
    void hugeFilesTakeNoMemory_data()
    {
        constexpr int Size = 32 << 20;
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QByteArray>("pictureBytes"); // of page.bmp
        QTest::addColumn<QString>("says");
        const QByteArray good = lines(goodValues());
        const QByteArray page = bitmapBytes();
        QTest::newRow("one endless field")
            << good.left(good.indexOf('\n') + 1) + QByteArray(Size, '7') << page
            << "längre än 4096 tecken";
        QTest::newRow("nothing but blanks after the name")
            << good.left(good.indexOf('\n') + 1) + QByteArray(Size, ' ') << page << "tar slut";
        // Runs of two pixels that never end a row: the codes never reach the end.
        QByteArray codes(Size, '\x02');
        QByteArray bitmap = page.left(54) + QByteArray(8, '\0') + codes;
        qToLittleEndian(quint32(62), bitmap.data() + 10);
        qToLittleEndian(quint16(8), bitmap.data() + 28);
        qToLittleEndian(quint32(1), bitmap.data() + 30);
        qToLittleEndian(quint32(2), bitmap.data() + 46);
        QTest::newRow("a run-length bitmap that never ends") << good << bitmap << "avkortad";
    }

    void hugeFilesTakeNoMemory()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QByteArray, pictureBytes);
        QFETCH(QString, says);
        ZedoFixture program;
        program.write(fixture::PageName, pictureBytes);
        program.write(QStringLiteral("zedo.ini"), ini);
        QVERIFY(resetPeakMemory());
        const qint64 before = memoryKb("VmHWM");
        expectFailure(program, QString(), QString(), says);
        const qint64 growth = memoryKb("VmHWM") - before;
        QVERIFY2(growth < 16 * 1024, qPrintable(QStringLiteral("peak grew by %1 kB").arg(growth)));
    }
};

QTEST_MAIN(TstZedoBadSettings)
#include "tst_zedo_badsettings.moc"
