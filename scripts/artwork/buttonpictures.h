// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the colouring program's buttons, drawn as pixel art at their real size.
#pragma once

#include <QImage>

namespace artwork {

QImage drawPaletteButton(); // 39 x 37, opaque: a painter's palette and a brush (fill tool)
QImage drawPrinterButton(); // 35 x 33, opaque: a printer with a printed page
QImage drawPencilIcon();    // 32 x 32, standard colours, transparent round a yellow pencil
QImage drawStopIcon();      // 32 x 32, standard colours, a red octagon with STOP in white

} // namespace artwork
