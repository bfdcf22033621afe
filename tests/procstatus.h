// SPDX-License-Identifier: GPL-3.0-or-later
// What the kernel reports of this process's memory, for tests that bound it.
#pragma once

#include <QByteArray>
#include <QFile>

// A field of /proc/self/status in kB, such as "VmRSS" (resident now) or
// "VmHWM" (the peak since start or the last resetPeakMemory), or -1.
inline qint64 memoryKb(const QByteArray &field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Starts VmHWM afresh from what is resident now.
inline bool resetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}
