// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace core {

// What a name given for reading turns out to be. Only a plain file is read:
// a pipe or a device would keep a program waiting for bytes for ever. A name
// holding a NUL character names no file.
enum class FileKind { Missing, Folder, Special, Plain };
FileKind kindOfFile(const QString &fileName);

// Why a plain file would not open for reading, in Swedish words that fit
// after "kan inte läsas: ". The system's own words are English here.
QString whyNotReadable(const QString &fileName);

} // namespace core
