// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QStringView>

namespace core {

// Names in the order of a Swedish dictionary, as a Swedish reader looks for
// them: … x, y, z, å, ä, ö, case ignored, whatever the machine's own
// language. Names that differ only in case keep a fixed order among
// themselves, capitals first.
QStringList sortedByName(QStringList names);

// Whether `name` matches the file pattern `pattern` as a file list takes it:
// `*` stands for any run of characters, `?` for one, and case is ignored.
// Matched here rather than through QDir's filter, whose regular expression
// brings its compiler into every start of the settings editor.
bool matchesPattern(QStringView name, QStringView pattern);

} // namespace core
