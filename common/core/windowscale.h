// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

namespace core {

// The largest whole number k, at least 1, at which a window of `window`
// pixels, times k, with a frame of `frame` pixels around it, fits in 95 % of
// the width and 95 % of the height of a work area of `area` pixels. A whole
// number keeps every pixel of the window a sharp k x k block.
int wholeScale(QSize window, QSize frame, QSize area);

} // namespace core
