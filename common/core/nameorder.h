#pragma once

#include <QStringList>

namespace core {

// Names in the order of a Swedish dictionary, as a Swedish reader looks for
// them: … x, y, z, å, ä, ö, case ignored, whatever the machine's own
// language. Names that differ only in case keep a fixed order among
// themselves, capitals first.
QStringList sortedByName(QStringList names);

} // namespace core
