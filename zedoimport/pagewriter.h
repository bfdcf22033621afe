// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

namespace zedoimport {

// Saves a prepared page as a 1-bit Windows bitmap, the kind both programs
// read, under `fileName`. The file is written whole or not at all: on any
// failure an older file of that name stays as it was. Throws core::Error with
// a Swedish message that names the file and the cause.
void SavePage(const QImage &page, const QString &fileName);

} // namespace zedoimport
