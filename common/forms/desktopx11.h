// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <functional>

class QWidget;

// The parts of desktop.cpp that ask an X11 display beyond Qt's own calls, on
// the application's own connection. Where the programs do not run on X11
// they do nothing.
namespace forms::x11 {

// The name the running window manager gives itself (_NET_WM_NAME of its
// check window, as the EWMH has it), empty without one.
QByteArray windowManagerName();

// Lets the pointer through `backdrop` and through the frame the window
// manager puts round it, to the window in front. Called before the backdrop
// is shown.
void letPointerThrough(QWidget *backdrop);

// Asks the window manager to unshade, unhide and unmaximize the window and
// to activate it, as a pager asks, which every window manager grants.
void restoreAndActivate(QWidget *window);

// Calls `putAway` soon after the window manager shades `window`, hides it
// (minimized, iconified) or maximizes it, however it was asked to: weston
// maximizes even a window of fixed size.
void whenPutAway(QWidget *window, std::function<void()> putAway);

} // namespace forms::x11
