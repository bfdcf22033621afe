// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nameorder.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>

namespace core {

QStringList sortedByName(QStringList names)
{
    QCollator swedish(QLocale(QLocale::Swedish, QLocale::Sweden));
    swedish.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(names.begin(), names.end(), [&](const QString &a, const QString &b) {
        const int order = swedish.compare(a, b);
        return order != 0 ? order < 0 : a < b;
    });
    return names;
}

bool matchesPattern(QStringView name, QStringView pattern)
{
    const auto same = [](QChar a, QChar b) { return a.toCaseFolded() == b.toCaseFolded(); };
    // After a `*`, a mismatch lets that star take one character more.
    qsizetype n = 0, p = 0, star = -1, starAt = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            star = p++;
            starAt = n;
        } else if (p < pattern.size() && (pattern[p] == u'?' || same(pattern[p], name[n]))) {
            ++p;
            ++n;
        } else if (star >= 0) {
            p = star + 1;
            n = ++starAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

} // namespace core
