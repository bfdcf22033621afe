// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settingsfile.h"

#include "core/error.h"
#include "core/filekind.h"
#include "core/windows1252.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>
#include <QStringDecoder>

#include <cerrno>
#include <limits>

#include <unistd.h>

namespace core {

namespace {

// Longer than any path a system accepts: a field this long is not a setting.
constexpr qsizetype MaxFieldLength = 4096;

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

QString shownName(const QString &fileName)
{
    return QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath());
}

// A bad value as a message may quote it: the start of it, with control bytes
// made visible, so that binary garbage cannot fill or garble the message.
QString shownValue(const QByteArray &value)
{
    constexpr qsizetype MaxShown = 40;
    QString shown = fromWindows1252(value.left(MaxShown));
    for (QChar &c : shown) {
        if (c.category() == QChar::Other_Control)
            c = u'?';
    }
    return value.size() > MaxShown ? shown + QStringLiteral("…") : shown;
}

// A name with non-ASCII bytes that form valid UTF-8 was written as UTF-8;
// anything else is taken as Windows-1252, which accepts every byte. A name
// may begin with U+FEFF, so that is kept, not taken as a byte order mark.
QString decodePath(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QString text = utf8(bytes);
    return utf8.hasError() ? fromWindows1252(bytes) : text;
}

QByteArray encodePath(const QString &path)
{
    if (path.contains(u'"') || path.contains(u'\r') || path.contains(u'\n'))
        throw Error(QStringLiteral("Bildens namn %1 innehåller ett citattecken eller en "
                                   "radbrytning och kan inte sparas i inställningsfilen.")
                        .arg(path));
    // Some Windows-1252 names are also valid UTF-8 ("Ã¥" is C3 A5, UTF-8 for
    // "å") and would read back as another name: those are written in UTF-8.
    const std::optional<QByteArray> ansi = toWindows1252(path);
    return ansi && decodePath(*ansi) == path ? *ansi : path.toUtf8();
}

// Writes the whole of `bytes` to the open file and onto the disk; returns 0,
// or the system's error number of the step that failed. Done here rather than
// through QSaveFile, which neither tells a full disk from other failures nor
// reports a failure to put the file on the disk.
int writeThrough(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : EIO;
        done += written;
    }
    return ::fdatasync(fd) == 0 ? 0 : errno;
}

// Why a save failed, in words the adult can act on. What stands in the way is
// looked at after the failure, so the message names what is there now.
QString saveFailure(const QString &fileName, int writeError)
{
    const QFileInfo file(fileName);
    const QString folder = file.absolutePath();
    if (file.isDir())
        return QStringLiteral("det finns redan en mapp med det namnet");
    if (file.exists() && !file.isWritable())
        return QStringLiteral("filen är skrivskyddad");
    const QString shownFolder = QDir::toNativeSeparators(folder);
    if (!QFileInfo(folder).isDir())
        return QStringLiteral("mappen %1 finns inte").arg(shownFolder);
    const QStorageInfo disk(folder);
    if (disk.isValid() && disk.isReadOnly())
        return QStringLiteral("disken är skrivskyddad");
    if (!QFileInfo(folder).isWritable())
        return QStringLiteral("det är inte tillåtet att skriva i mappen %1").arg(shownFolder);
    if (writeError == ENOSPC || writeError == EDQUOT ||
        (disk.isValid() && disk.bytesAvailable() == 0))
        return QStringLiteral("disken är full");
    return QStringLiteral("något gick fel när filen skrevs");
}

} // namespace

QByteArray formatSettings(const ZedoSettings &settings)
{
    const auto line = [](const QByteArray &value) { return value + "\r\n"; };
    const auto number = [&](qint16 value) { return line(QByteArray::number(value)); };

    QByteArray bytes = line('"' + encodePath(settings.PicturePath) + '"');
    bytes += number(qint16(settings.Colors.size()));
    for (qint16 color : settings.Colors)
        bytes += number(color);
    bytes += number(settings.PenWidth);
    bytes += number(settings.StartInFillMode);
    bytes += number(settings.ShowQuit);
    bytes += number(settings.ShowPrint);
    bytes += number(settings.ShowToolToggle);
    return bytes;
}

void WriteSettings(const QString &fileName, const ZedoSettings &settings)
{
    const QByteArray bytes = formatSettings(settings);
    QSaveFile file(fileName);
    int writeError = 0;
    if (!file.open(QIODevice::WriteOnly) ||
        (writeError = writeThrough(file.handle(), bytes)) != 0 || !file.commit())
        throw Error(QStringLiteral("Inställningsfilen %1 kunde inte sparas: %2.")
                        .arg(shownName(fileName), saveFailure(fileName, writeError)));
}

SettingsReader::SettingsReader(const QString &fileName) : m_fileName(fileName)
{
    switch (kindOfFile(fileName)) {
    case FileKind::Missing:
        throw Error(QStringLiteral("Inställningsfilen %1 finns inte.").arg(shownName(fileName)));
    case FileKind::Folder:
        throw Error(QStringLiteral("Inställningsfilen %1 är en mapp.").arg(shownName(fileName)));
    case FileKind::Special:
        throw Error(
            QStringLiteral("Inställningsfilen %1 är ingen vanlig fil.").arg(shownName(fileName)));
    case FileKind::Plain:
        break;
    }
    auto file = std::make_unique<QFile>(fileName);
    if (!file->open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Inställningsfilen %1 kan inte läsas: %2.")
                        .arg(shownName(fileName), whyNotReadable(fileName)));
    m_in = std::move(file);
}

SettingsReader::SettingsReader(const QByteArray &bytes, const QString &fileName)
    : m_fileName(fileName)
{
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    // The bytes are in memory already; a read buffer would only copy them.
    buffer->open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    m_in = std::move(buffer);
}

QString SettingsReader::readString(const QString &field)
{
    return decodePath(readField(field, false));
}

qint16 SettingsReader::readInteger(const QString &field)
{
    const QByteArray text = readField(field, true);
    if (text.isEmpty())
        return 0;
    const bool digits = std::all_of(text.begin() + (text[0] == '-' || text[0] == '+'), text.end(),
                                    [](char c) { return c >= '0' && c <= '9'; });
    if (!digits || text == "-" || text == "+")
        reject(field, QStringLiteral("\"%1\" är inte ett heltal").arg(shownValue(text)));
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (!ok || value < std::numeric_limits<qint16>::min() ||
        value > std::numeric_limits<qint16>::max())
        reject(field, QStringLiteral("talet %1 ryms inte (det måste ligga mellan -32768 och 32767)")
                          .arg(shownValue(text)));
    return qint16(value);
}

QByteArray SettingsReader::readField(const QString &field, bool numeric)
{
    skipBlanks();
    char c = 0;
    if (m_in->peek(&c, 1) != 1)
        reject(field, QStringLiteral("filen tar slut för tidigt"));

    QByteArray value;
    const auto append = [&](char ch) {
        if (value.size() >= MaxFieldLength)
            reject(field, QStringLiteral("värdet är längre än %1 tecken").arg(MaxFieldLength));
        value.append(ch);
    };
    if (c == '"') {
        m_in->getChar(&c);
        while (true) {
            if (!m_in->getChar(&c))
                reject(field, QStringLiteral("citattecknet avslutas aldrig"));
            if (c == '"')
                break;
            append(c);
        }
    } else {
        while (m_in->peek(&c, 1) == 1 && c != ',' && !isLineEnd(c) && !(numeric && isBlank(c))) {
            m_in->getChar(&c);
            append(c);
        }
        if (!numeric)
            value = value.trimmed();
    }
    skipBlanks();
    skipDelimiter();
    return value;
}

void SettingsReader::skipBlanks()
{
    char c = 0;
    while (m_in->peek(&c, 1) == 1 && isBlank(c))
        m_in->getChar(&c);
}

// A field is followed by a comma or by the end of its line (CR, LF or CR LF).
void SettingsReader::skipDelimiter()
{
    char c = 0;
    if (m_in->peek(&c, 1) != 1)
        return;
    if (c == ',' || c == '\n') {
        m_in->getChar(&c);
    } else if (c == '\r') {
        m_in->getChar(&c);
        if (m_in->peek(&c, 1) == 1 && c == '\n')
            m_in->getChar(&c);
    }
}

void SettingsReader::reject(const QString &field, const QString &what) const
{
    // A message from elsewhere already ends its sentence.
    const QString stop = what.endsWith(u'.') ? QString() : QStringLiteral(".");
    throw Error(QStringLiteral("Fel i inställningsfilen %1, fältet %2: %3%4")
                    .arg(shownName(m_fileName), field, what, stop));
}

} // namespace core
