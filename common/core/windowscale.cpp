// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/windowscale.h"

#include <algorithm>

namespace core {

namespace {

// In whole hundredths, so a window that takes exactly 95 % still fits.
int fitsAlong(int window, int frame, int area)
{
    return window > 0 ? (95 * area - 100 * frame) / (100 * window) : 1;
}

} // namespace

int wholeScale(QSize window, QSize frame, QSize area)
{
    const int across = fitsAlong(window.width(), frame.width(), area.width());
    const int down = fitsAlong(window.height(), frame.height(), area.height());
    return std::max(1, std::min(across, down));
}

} // namespace core
