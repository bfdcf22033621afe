// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/error.h"

#include <QIODevice>
#include <QString>

#include <memory>
#include <vector>

namespace core {

// The name of the settings file, always opened by this bare name, so it lives
// in the current directory.
inline const QString SettingsFileName = QStringLiteral("zedo.ini");

// The one record the settings editor writes and the colouring program reads.
// Booleans are 16-bit integers: -1 true, 0 false; read back, non-zero is true.
struct ZedoSettings
{
    QString PicturePath;
    std::vector<qint16> Colors; // ColorCount is Colors.size()
    qint16 PenWidth = 10;
    qint16 StartInFillMode = -1;
    qint16 ShowQuit = -1;
    qint16 ShowPrint = 0;
    qint16 ShowToolToggle = 0;
};

// The whole file as bytes: one value per line, each line ending CR LF, the
// path in double quotes, integers in decimal. The path is written in
// Windows-1252 when every character fits and the bytes cannot be mistaken for
// UTF-8, else in UTF-8, so that every name reads back as it was written.
QByteArray formatSettings(const ZedoSettings &settings);

// Writes the record to `fileName`. The new file is written beside the old one
// and takes its place only once it is complete, so a failure leaves the old
// file exactly as it was. Throws core::Error naming the file.
void WriteSettings(const QString &fileName, const ZedoSettings &settings);

// Reads the settings file one field at a time, in file order, so the caller
// can act on each value as soon as it is read. Follows the rules of
// sequential text input: leading blanks are skipped; a field that starts with
// a double quote ends at the next double quote; any other field ends at a
// comma or at the end of the line, a number also at a blank; an empty number
// is 0. Every failure throws core::Error naming the file and the field.
class SettingsReader
{
public:
    // Opens the file; throws when it is missing, not a plain file or cannot
    // be read.
    explicit SettingsReader(const QString &fileName);
    // Reads `bytes` as the contents of the file `fileName`, which only names
    // it in messages: the same rules without a file, for checks at speed.
    SettingsReader(const QByteArray &bytes, const QString &fileName);

    // `field` names the value in error messages, e.g. "PicturePath".
    QString readString(const QString &field);
    qint16 readInteger(const QString &field);

    // A value that was read but cannot be used: throws core::Error naming
    // the file, the field and `what` is wrong with it.
    [[noreturn]] void reject(const QString &field, const QString &what) const;

    // Runs `use` on a value just read from `field`. A core::Error it throws
    // comes out naming this file and the field as well, so the adult learns
    // where the value that failed was written.
    template <typename Use> void apply(const QString &field, Use &&use) const
    {
        try {
            use();
        } catch (const Error &error) {
            reject(field, error.message());
        }
    }

private:
    QByteArray readField(const QString &field, bool numeric);
    void skipBlanks();
    void skipDelimiter();

    QString m_fileName;
    std::unique_ptr<QIODevice> m_in;
};

} // namespace core
