// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace core {

// The 8-bit Windows code page of Western Europe, in which the settings file is
// traditionally written. Qt's own codecs do not offer it without ICU, and we
// need only these two small conversions.

// The text in Windows-1252, or nothing when a character has no place in it.
std::optional<QByteArray> toWindows1252(const QString &text);

// Every byte is a character of Windows-1252, so decoding never fails.
QString fromWindows1252(const QByteArray &bytes);

} // namespace core
