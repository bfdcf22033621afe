// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/filekind.h"

#include <QFileInfo>

namespace core {

FileKind kindOfFile(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (fileName.contains(QChar(u'\0')) || !info.exists())
        return FileKind::Missing;
    if (info.isDir())
        return FileKind::Folder;
    if (!info.isFile())
        return FileKind::Special;
    return FileKind::Plain;
}

QString whyNotReadable(const QString &fileName)
{
    if (!QFileInfo(fileName).isReadable())
        return QStringLiteral("det är inte tillåtet att läsa filen");
    return QStringLiteral("filen gick inte att öppna");
}

} // namespace core
