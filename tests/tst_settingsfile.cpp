// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settingsfile.h"
#include "core/windows1252.h"

#include "errormessage.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using core::SettingsReader;
using core::ZedoSettings;

namespace {

QByteArray contentsOf(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

ZedoSettings settingsOf(const QString &name, const QList<int> &colors, int penWidth,
                        int startInFillMode, int showQuit, int showPrint, int showToolToggle)
{
    ZedoSettings settings;
    settings.PicturePath = name;
    for (int color : colors)
        settings.Colors.push_back(qint16(color));
    settings.PenWidth = qint16(penWidth);
    settings.StartInFillMode = qint16(startInFillMode);
    settings.ShowQuit = qint16(showQuit);
    settings.ShowPrint = qint16(showPrint);
    settings.ShowToolToggle = qint16(showToolToggle);
    return settings;
}

// Reads the record the way the colouring program does: the count first, then
// that many colours.
ZedoSettings readRecord(const QString &fileName)
{
    SettingsReader reader(fileName);
    ZedoSettings settings;
    settings.PicturePath = reader.readString("PicturePath");
    const qint16 count = reader.readInteger("ColorCount");
    for (int i = 0; i < count; ++i)
        settings.Colors.push_back(reader.readInteger(QStringLiteral("Colors(%1)").arg(i)));
    settings.PenWidth = reader.readInteger("PenWidth");
    settings.StartInFillMode = reader.readInteger("StartInFillMode");
    settings.ShowQuit = reader.readInteger("ShowQuit");
    settings.ShowPrint = reader.readInteger("ShowPrint");
    settings.ShowToolToggle = reader.readInteger("ShowToolToggle");
    return settings;
}

bool operator==(const ZedoSettings &a, const ZedoSettings &b)
{
    return a.PicturePath == b.PicturePath && a.Colors == b.Colors && a.PenWidth == b.PenWidth &&
           a.StartInFillMode == b.StartInFillMode && a.ShowQuit == b.ShowQuit &&
           a.ShowPrint == b.ShowPrint && a.ShowToolToggle == b.ShowToolToggle;
}

// Lowers the largest file this process may write, so that writing fails
// partway even for root; restores the limit when it goes out of scope.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = m_saved;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_savedHandler);
    }

private:
    rlimit m_saved{};
    void (*m_savedHandler)(int) = nullptr;
};

} // namespace

class TstSettingsFile : public QObject
{
    Q_OBJECT

private slots:
    void writtenBytesAndReadBack_data();
    void writtenBytesAndReadBack();
    void readerRules_data();
    void readerRules();
    void nameEncodingOnReading_data();
    void nameEncodingOnReading();
    void windows1252EveryByteRoundTrips();
    void windows1252Characters_data();
    void windows1252Characters();
    void windows1252RefusesOtherCharacters_data();
    void windows1252RefusesOtherCharacters();
    void openFailures_data();
    void openFailures();
    void fieldFailures_data();
    void fieldFailures();
    void refusedValueNamesFileAndField_data();
    void refusedValueNamesFileAndField();
    void unwritableNameIsRefused_data();
    void unwritableNameIsRefused();
    void writeFailures_data();
    void writeFailures();
    void failedWriteLeavesTheOldFile();
};

void TstSettingsFile::writtenBytesAndReadBack_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<int>>("colors");
    QTest::addColumn<int>("penWidth");
    QTest::addColumn<int>("fillMode");
    QTest::addColumn<int>("quit");
    QTest::addColumn<int>("print");
    QTest::addColumn<int>("toggle");
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray tail = "10\r\n-1\r\n-1\r\n-1\r\n-1\r\n";
    QTest::newRow("one colour, eight lines")
        << "bild.bmp" << QList<int>{12} << 5 << 0 << -1 << 0 << 0
        << QByteArray("\"bild.bmp\"\r\n1\r\n12\r\n5\r\n0\r\n-1\r\n0\r\n0\r\n");
    QTest::newRow("five colours, twelve lines")
        << "bild.bmp" << QList<int>{12, 9, 2, 14, 10} << 10 << -1 << -1 << -1 << -1
        << "\"bild.bmp\"\r\n5\r\n12\r\n9\r\n2\r\n14\r\n10\r\n" + tail;
    QTest::newRow("ten colours, seventeen lines")
        << "bild.bmp" << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 15} << 15 << 0 << 0 << -1 << 0
        << QByteArray("\"bild.bmp\"\r\n10\r\n0\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n15\r\n"
                      "15\r\n0\r\n0\r\n-1\r\n0\r\n");
    QTest::newRow("no colours, the pen width follows the count")
        << "bild.bmp" << QList<int>{} << 10 << -1 << -1 << -1 << -1
        << "\"bild.bmp\"\r\n0\r\n" + tail;
    QTest::newRow("name with å, ä, ö in Windows-1252")
        << "målarbok_äö.bmp" << QList<int>{10} << 10 << -1 << -1 << -1 << -1
        << "\"m\xE5larbok_\xE4\xF6.bmp\"\r\n1\r\n10\r\n" + tail;
    QTest::newRow("name with a comma") << "katt,hund.bmp" << QList<int>{10} << 10 << -1 << -1 << -1
                                       << -1 << "\"katt,hund.bmp\"\r\n1\r\n10\r\n" + tail;
    QTest::newRow("name with a euro sign in Windows-1252")
        << "€.bmp" << QList<int>{10} << 10 << -1 << -1 << -1 << -1
        << "\"\x80.bmp\"\r\n1\r\n10\r\n" + tail;
    QTest::newRow("name outside Windows-1252 in UTF-8")
        << "Łódź.bmp" << QList<int>{10} << 10 << -1 << -1 << -1 << -1
        << "\"\xC5\x81\xC3\xB3"
           "d\xC5\xBA.bmp\"\r\n1\r\n10\r\n" +
               tail;
    // "Ã¥" fits Windows-1252 as C3 A5, which is also UTF-8 for "å": written
    // that way it would come back as another name.
    QTest::newRow("Windows-1252 bytes that read as UTF-8 are written in UTF-8")
        << "Ã¥.bmp" << QList<int>{10} << 10 << -1 << -1 << -1 << -1
        << "\"\xC3\x83\xC2\xA5.bmp\"\r\n1\r\n10\r\n" + tail;
    QTest::newRow("name with a folder and blanks")
        << " bilder/min kanin.bmp " << QList<int>{10} << 10 << -1 << -1 << -1 << -1
        << "\" bilder/min kanin.bmp \"\r\n1\r\n10\r\n" + tail;
    QTest::newRow("empty name") << "" << QList<int>{10} << 10 << -1 << -1 << -1 << -1
                                << "\"\"\r\n1\r\n10\r\n" + tail;
    // Its UTF-8 is a byte order mark, which a decoder would drop.
    QTest::newRow("name beginning with a zero-width no-break space")
        << QChar(0xFEFF) + QStringLiteral("bild.bmp") << QList<int>{10} << 10 << -1 << -1 << -1
        << -1 << "\"\xEF\xBB\xBF" + QByteArray("bild.bmp\"\r\n1\r\n10\r\n") + tail;
}

void TstSettingsFile::writtenBytesAndReadBack()
{
    QFETCH(QString, name);
    QFETCH(QList<int>, colors);
    QFETCH(int, penWidth);
    QFETCH(int, fillMode);
    QFETCH(int, quit);
    QFETCH(int, print);
    QFETCH(int, toggle);
    QFETCH(QByteArray, bytes);
    const ZedoSettings settings = settingsOf(name, colors, penWidth, fillMode, quit, print, toggle);
    QCOMPARE(core::formatSettings(settings), bytes);

    QTemporaryDir dir;
    const QString fileName = dir.filePath(core::SettingsFileName);
    core::WriteSettings(fileName, settings);
    QCOMPARE(contentsOf(fileName), bytes);
    // A second write replaces the first rather than adding to it.
    core::WriteSettings(fileName, settings);
    QCOMPARE(contentsOf(fileName), bytes);

    const ZedoSettings read = readRecord(fileName);
    QCOMPARE(read.PicturePath, name);
    QVERIFY(read == settings);
}

// `kinds` says how each field is read, S for a string and I for an integer;
// `values` holds what each read gives, integers in decimal.
void TstSettingsFile::readerRules_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("kinds");
    QTest::addColumn<QStringList>("values");

    QTest::newRow("fields on lines ending CR LF")
        << QByteArray("\"a.bmp\"\r\n5\r\n-7\r\n") << "SII" << QStringList{"a.bmp", "5", "-7"};
    QTest::newRow("lines ending LF")
        << QByteArray("\"a.bmp\"\n5\n-7\n") << "SII" << QStringList{"a.bmp", "5", "-7"};
    QTest::newRow("lines ending CR")
        << QByteArray("\"a.bmp\"\r5\r-7\r") << "SII" << QStringList{"a.bmp", "5", "-7"};
    QTest::newRow("last line without an end")
        << QByteArray("\"a.bmp\"\r\n5") << "SI" << QStringList{"a.bmp", "5"};
    QTest::newRow("fields separated by commas")
        << QByteArray("\"a.bmp\",5,-7\r\n") << "SII" << QStringList{"a.bmp", "5", "-7"};
    QTest::newRow("leading blanks and tabs skipped")
        << QByteArray("   \"a.bmp\"\r\n  5\r\n\t-7\r\n") << "SII"
        << QStringList{"a.bmp", "5", "-7"};
    QTest::newRow("blanks before the comma after a field")
        << QByteArray("\"a.bmp\"  ,5  ,-7") << "SII" << QStringList{"a.bmp", "5", "-7"};
    QTest::newRow("a number also ends at a blank")
        << QByteArray("5 -7\r\n") << "II" << QStringList{"5", "-7"};
    QTest::newRow("quoted string keeps commas and blanks")
        << QByteArray("\" a, b \"\r\n5\r\n") << "SI" << QStringList{" a, b ", "5"};
    QTest::newRow("empty quoted string")
        << QByteArray("\"\"\r\n5\r\n") << "SI" << QStringList{"", "5"};
    QTest::newRow("unquoted string ends at a comma")
        << QByteArray("min bild.bmp,5\r\n") << "SI" << QStringList{"min bild.bmp", "5"};
    QTest::newRow("unquoted string ends at the line, trailing blanks dropped")
        << QByteArray("min bild.bmp  \r\n5\r\n") << "SI" << QStringList{"min bild.bmp", "5"};
    QTest::newRow("quoted number") << QByteArray("\"12\"\r\n") << "I" << QStringList{"12"};
    QTest::newRow("empty line is the number 0")
        << QByteArray("\r\n5\r\n") << "II" << QStringList{"0", "5"};
    QTest::newRow("empty field before a comma is the number 0")
        << QByteArray(",5\r\n") << "II" << QStringList{"0", "5"};
    QTest::newRow("blank line is the number 0")
        << QByteArray("   \r\n5\r\n") << "II" << QStringList{"0", "5"};
    QTest::newRow("smallest and largest 16-bit numbers")
        << QByteArray("-32768\r\n32767\r\n") << "II" << QStringList{"-32768", "32767"};
    QTest::newRow("leading zeros and a plus sign")
        << QByteArray("007\r\n+15\r\n") << "II" << QStringList{"7", "15"};
    QTest::newRow("longest quoted string") << "\"" + QByteArray(4096, 'a') + "\"\r\n5"
                                           << "SI" << QStringList{QString(4096, u'a'), "5"};
    QTest::newRow("longest unquoted string") << QByteArray(4096, 'a') + "\r\n5"
                                             << "SI" << QStringList{QString(4096, u'a'), "5"};
}

void TstSettingsFile::readerRules()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, kinds);
    QFETCH(QStringList, values);
    QTemporaryDir dir;
    const QString fileName = dir.filePath(core::SettingsFileName);
    writeBytes(fileName, content);

    SettingsReader reader(fileName);
    for (qsizetype i = 0; i < kinds.size(); ++i) {
        const QString field = QStringLiteral("F%1").arg(i + 1);
        const QString read = kinds[i] == u'S' ? reader.readString(field)
                                              : QString::number(reader.readInteger(field));
        QCOMPARE(read, values[i]);
    }
}

void TstSettingsFile::nameEncodingOnReading_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("name");
    QTest::newRow("ASCII") << QByteArray("\"kanin.bmp\"") << "kanin.bmp";
    QTest::newRow("å ä ö in Windows-1252") << QByteArray("\"\xE5\xE4\xF6.bmp\"") << "åäö.bmp";
    QTest::newRow("Å Ä Ö in Windows-1252") << QByteArray("\"\xC5\xC4\xD6.bmp\"") << "ÅÄÖ.bmp";
    QTest::newRow("euro sign in Windows-1252") << QByteArray("\"\x80.bmp\"") << "€.bmp";
    QTest::newRow("unquoted Windows-1252") << QByteArray("\xE5.bmp\r\n") << "å.bmp";
    QTest::newRow("å ä ö in UTF-8") << QByteArray("\"\xC3\xA5\xC3\xA4\xC3\xB6.bmp\"") << "åäö.bmp";
    QTest::newRow("UTF-8 outside Windows-1252") << QByteArray("\"\xC5\x81\xC3\xB3"
                                                              "d\xC5\xBA.bmp\"")
                                                << "Łódź.bmp";
    QTest::newRow("UTF-8 lead byte at the end is Windows-1252")
        << QByteArray("\"bild\xC3\"") << "bildÃ";
    QTest::newRow("valid UTF-8 then a stray byte is all Windows-1252")
        << QByteArray("\"\xC3\xA5\xE5\"") << "Ã¥å";
    QTest::newRow("UTF-8 zero-width no-break space at the start is kept")
        << QByteArray("\"\xEF\xBB\xBF\xEF\xBB\xBF\"") << QString(2, QChar(0xFEFF));
}

void TstSettingsFile::nameEncodingOnReading()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, name);
    QTemporaryDir dir;
    const QString fileName = dir.filePath(core::SettingsFileName);
    writeBytes(fileName, content);
    QCOMPARE(SettingsReader(fileName).readString("PicturePath"), name);
}

void TstSettingsFile::windows1252EveryByteRoundTrips()
{
    QSet<QChar> characters;
    for (int byte = 0; byte < 256; ++byte) {
        const QByteArray bytes(1, char(byte));
        const QString text = core::fromWindows1252(bytes);
        QCOMPARE(text.size(), 1);
        characters.insert(text[0]);
        QCOMPARE(core::toWindows1252(text), bytes);
    }
    QCOMPARE(characters.size(), 256);
}

void TstSettingsFile::windows1252Characters_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("unicode");
    QTest::newRow("A") << 0x41 << 0x41;
    QTest::newRow("euro sign") << 0x80 << 0x20AC;
    QTest::newRow("unused 0x81 stays a control character") << 0x81 << 0x81;
    QTest::newRow("S with caron") << 0x8A << 0x160;
    QTest::newRow("left double quotation mark") << 0x93 << 0x201C;
    QTest::newRow("Y with diaeresis") << 0x9F << 0x178;
    QTest::newRow("no-break space") << 0xA0 << 0xA0;
    QTest::newRow("å") << 0xE5 << 0xE5;
    QTest::newRow("ÿ") << 0xFF << 0xFF;
}

void TstSettingsFile::windows1252Characters()
{
    QFETCH(int, byte);
    QFETCH(int, unicode);
    QCOMPARE(core::fromWindows1252(QByteArray(1, char(byte))), QString(QChar(unicode)));
    QCOMPARE(core::toWindows1252(QString(QChar(unicode))), QByteArray(1, char(byte)));
}

void TstSettingsFile::windows1252RefusesOtherCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("Polish Ł") << "Łódź";
    QTest::newRow("Greek") << "Ελλάδα";
    QTest::newRow("control character whose byte holds the euro sign") << QString(QChar(0x80));
    QTest::newRow("emoji") << "katt🐱";
}

void TstSettingsFile::windows1252RefusesOtherCharacters()
{
    QFETCH(QString, text);
    QCOMPARE(core::toWindows1252(text), std::nullopt);
}

void TstSettingsFile::openFailures_data()
{
    QTest::addColumn<bool>("makeDirectory");
    QTest::newRow("no file") << false;
    QTest::newRow("file is a directory") << true;
}

void TstSettingsFile::openFailures()
{
    QFETCH(bool, makeDirectory);
    QTemporaryDir dir;
    const QString fileName = dir.filePath(core::SettingsFileName);
    if (makeDirectory)
        QVERIFY(QDir(dir.path()).mkdir(core::SettingsFileName));
    const auto message = errorMessageOf([&] { SettingsReader reader(fileName); });
    QVERIFY2(message, "no core::Error thrown");
    QVERIFY2(message->contains(fileName), qPrintable(*message));
}

// Every field but the last reads; the last fails, and the message says
// which file, which field and, where there is one, what text was wrong.
void TstSettingsFile::fieldFailures_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("kinds");
    QTest::addColumn<QString>("badText");

    QTest::newRow("empty file") << QByteArray() << "S"
                                << "";
    QTest::newRow("file ends before the last field") << QByteArray("\"a.bmp\"\r\n5\r\n") << "SII"
                                                     << "";
    QTest::newRow("file ends in blanks") << QByteArray("\"a.bmp\"\r\n   ") << "SI"
                                         << "";
    QTest::newRow("overflow above 32767") << QByteArray("32768\r\n") << "I"
                                          << "32768";
    QTest::newRow("overflow below -32768") << QByteArray("-32769\r\n") << "I"
                                           << "-32769";
    QTest::newRow("overflow beyond 64 bits")
        << QByteArray("\"a.bmp\"\r\n99999999999999999999999\r\n") << "SI"
        << "99999999999999999999999";
    QTest::newRow("word instead of a number") << QByteArray("\"a.bmp\"\r\nfem\r\n") << "SI"
                                              << "fem";
    QTest::newRow("number followed by letters") << QByteArray("12px\r\n") << "I"
                                                << "12px";
    QTest::newRow("sign without digits") << QByteArray("-\r\n") << "I"
                                         << "-";
    QTest::newRow("quoted word instead of a number") << QByteArray("\"tio\"\r\n") << "I"
                                                     << "tio";
    QTest::newRow("unterminated quote") << QByteArray("\"a.bmp\r\n5\r\n-1\r\n") << "S"
                                        << "";
    QTest::newRow("over-long quoted string") << "\"" + QByteArray(4097, 'a') + "\"\r\n"
                                             << "S"
                                             << "";
    QTest::newRow("over-long unquoted string") << QByteArray(4097, 'a') + "\r\n"
                                               << "S"
                                               << "";
    QTest::newRow("over-long number") << QByteArray(4097, '1') + "\r\n"
                                      << "I"
                                      << "";
    QTest::newRow("control bytes are quoted short and visible") << QByteArray(100, '\x07') + "\r\n"
                                                                << "I"
                                                                << "\"" + QString(40, u'?') + "…\"";
}

void TstSettingsFile::fieldFailures()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, kinds);
    QFETCH(QString, badText);
    QTemporaryDir dir;
    const QString fileName = dir.filePath(core::SettingsFileName);
    writeBytes(fileName, content);

    SettingsReader reader(fileName);
    const auto read = [&](qsizetype i) {
        const QString field = QStringLiteral("F%1").arg(i + 1);
        if (kinds[i] == u'S')
            reader.readString(field);
        else
            reader.readInteger(field);
    };
    for (qsizetype i = 0; i + 1 < kinds.size(); ++i)
        read(i);
    const auto message = errorMessageOf([&] { read(kinds.size() - 1); });
    QVERIFY2(message, "no core::Error thrown");
    QVERIFY2(message->contains(fileName), qPrintable(*message));
    QVERIFY2(message->contains(QStringLiteral("F%1").arg(kinds.size())), qPrintable(*message));
    QVERIFY2(message->contains(badText), qPrintable(*message));
}

void TstSettingsFile::refusedValueNamesFileAndField_data()
{
    QTest::addColumn<bool>("throughApply");
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("ending"); // of the message after the field
    QTest::newRow("refused by the reader's user") << false << "för bred"
                                                  << "för bred.";
    QTest::newRow("refused where the value is used, with a full stop")
        << true << "Pennbredden 0 går inte att använda."
        << "Pennbredden 0 går inte att använda.";
    QTest::newRow("refused where the value is used, without a full stop") << true << "okänd färg"
                                                                          << "okänd färg.";
}

// A value read well but refused where it is used is reported as a fault in
// the file, at its field.
void TstSettingsFile::refusedValueNamesFileAndField()
{
    QFETCH(bool, throughApply);
    QFETCH(QString, what);
    QFETCH(QString, ending);
    QTemporaryDir dir;
    const QString fileName = dir.filePath(core::SettingsFileName);
    writeBytes(fileName, "0\r\n");
    const SettingsReader reader(fileName);
    const auto message = errorMessageOf([&] {
        if (throughApply)
            reader.apply("PenWidth", [&] { throw core::Error(what); });
        else
            reader.reject("PenWidth", what);
    });
    QCOMPARE(message.value_or("(no core::Error thrown)"),
             QStringLiteral("Fel i inställningsfilen %1, fältet PenWidth: %2")
                 .arg(QDir::toNativeSeparators(fileName), ending));
}

// The file format has no way to write these characters inside a name, and
// writing them anyway would give a file that reads back wrongly.
void TstSettingsFile::unwritableNameIsRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("double quote") << "säg \"hej\".bmp";
    QTest::newRow("line feed") << "två\nrader.bmp";
    QTest::newRow("carriage return") << "två\rrader.bmp";
}

void TstSettingsFile::unwritableNameIsRefused()
{
    QFETCH(QString, name);
    QTemporaryDir dir;
    const QString fileName = dir.filePath(core::SettingsFileName);
    const QByteArray old = "\"gammal.bmp\"\r\n0\r\n5\r\n0\r\n-1\r\n0\r\n0\r\n";
    writeBytes(fileName, old);

    const ZedoSettings settings = settingsOf(name, {10}, 10, -1, -1, -1, -1);
    const auto message = errorMessageOf([&] { core::WriteSettings(fileName, settings); });
    QVERIFY2(message, "no core::Error thrown");
    QVERIFY2(message->contains(name), qPrintable(*message));
    QCOMPARE(contentsOf(fileName), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{core::SettingsFileName});
}

void TstSettingsFile::writeFailures_data()
{
    QTest::addColumn<QString>("relativeName");
    QTest::addColumn<bool>("makeDirectory");
    QTest::addColumn<QString>("cause");
    QTest::newRow("folder does not exist") << "saknas/zedo.ini" << false << "mappen %1 finns inte";
    QTest::newRow("target is a directory")
        << "zedo.ini" << true << "det finns redan en mapp med det namnet";
}

void TstSettingsFile::writeFailures()
{
    QFETCH(QString, relativeName);
    QFETCH(bool, makeDirectory);
    QFETCH(QString, cause);
    QTemporaryDir dir;
    const QString fileName = dir.filePath(relativeName);
    if (makeDirectory)
        QVERIFY(QDir(dir.path()).mkdir(relativeName));

    const ZedoSettings settings = settingsOf("bild.bmp", {10}, 10, -1, -1, -1, -1);
    const auto message = errorMessageOf([&] { core::WriteSettings(fileName, settings); });
    QCOMPARE(message.value_or("(no core::Error thrown)"),
             QStringLiteral("Inställningsfilen %1 kunde inte sparas: %2.")
                 .arg(fileName, cause.arg(QFileInfo(fileName).absolutePath())));
    QCOMPARE(QFileInfo(fileName).isDir(), makeDirectory);
    QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

void TstSettingsFile::failedWriteLeavesTheOldFile()
{
    QTemporaryDir dir;
    const QString fileName = dir.filePath(core::SettingsFileName);
    const ZedoSettings old = settingsOf("gammal.bmp", {1, 2}, 5, 0, -1, 0, 0);
    core::WriteSettings(fileName, old);
    const QByteArray oldBytes = contentsOf(fileName);

    const ZedoSettings replacement =
        settingsOf(QString(200, u'n'), {1, 2, 3, 4, 5}, 15, -1, -1, -1, -1);
    std::optional<QString> message;
    {
        const FileSizeLimit limit(64); // the new file breaks off partway
        message = errorMessageOf([&] { core::WriteSettings(fileName, replacement); });
    }
    QVERIFY2(message, "no core::Error thrown");
    QVERIFY2(message->contains(fileName), qPrintable(*message));
    // A limit on the size of files is no full disk.
    QVERIFY2(message->endsWith(QStringLiteral(": något gick fel när filen skrevs.")),
             qPrintable(*message));
    QCOMPARE(contentsOf(fileName), oldBytes);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{core::SettingsFileName});
}

QTEST_GUILESS_MAIN(TstSettingsFile)
#include "tst_settingsfile.moc"
