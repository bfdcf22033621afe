// SPDX-License-Identifier: GPL-3.0-or-later
// Checks of the written artwork, read back from the files: header bytes, depth and size,
// and for the colouring pages only black and white, the drawing inside the visible part,
// and enough closed areas by a 4-connected search of its own.
#pragma once

#include <QString>
#include <QStringList>

namespace artwork {

// Checks all artwork under root (the colouring pages listed in pagePaths); prints one line per
// file and returns the number of failed files.
int checkArtwork(const QString &root, const QStringList &pagePaths);

} // namespace artwork
