// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/page.h"

#include "core/windows1252.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace core::page {

namespace {

// Long enough for any name a person gives, short enough for the file list.
constexpr int MaxNameLength = 40;

bool keeps(QChar c)
{
    if (!(c.isLetterOrNumber() || c == u' ' || c == u'-' || c == u'_'))
        return false;
    return toWindows1252(QString(c)).has_value();
}

} // namespace

QString suggestedName(const QString &fileName)
{
    QString name = QFileInfo(fileName).fileName();
    if (name.contains(u'.'))
        name = QFileInfo(name).completeBaseName();
    QString kept;
    for (const QChar c : name.simplified())
        kept += keeps(c) ? c : QChar(u'-');
    // Runs of replaced characters, with the spaces around them, and any at
    // the ends, are only noise.
    kept.replace(QRegularExpression(QStringLiteral("[- ]*-[- ]*")), QStringLiteral("-"));
    kept = kept.left(MaxNameLength);
    while (!kept.isEmpty() && (kept.front() == u'-' || kept.front() == u' '))
        kept.remove(0, 1);
    while (!kept.isEmpty() && (kept.back() == u'-' || kept.back() == u' '))
        kept.chop(1);
    if (kept.isEmpty())
        kept = QStringLiteral("målarbild");
    return kept + QStringLiteral(".bmp");
}

} // namespace core::page
