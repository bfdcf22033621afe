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

} // namespace core
