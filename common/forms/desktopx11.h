#pragma once

#include <QRect>
#include <Qt>

#include <functional>
#include <optional>

class QWidget;

// What desktop.cpp asks of an X11 display beyond Qt's own calls. Where the
// programs do not run on X11 the window functions do nothing.
namespace forms::x11 {

// The primary monitor of the display named by $DISPLAY, the work area the
// window manager leaves free of panels (empty without one), and the dots per
// inch the desktop asks for (Xft.dpi, 0 if unset), all in screen pixels.
struct Screen
{
    QRect monitor;
    QRect workArea;
    int dpi = 0;
};

// Asked over a connection of its own, as no application object exists yet:
// two round trips to the X server, none to the window manager.
std::optional<Screen> primaryScreen();

// The kind of window a window manager keeps above the full-screen window it
// belongs to: a dialog. Under weston's X11 window manager a utility window,
// the only kind weston keeps above a full-screen window without lowering that
// below its panel; it never gives such a window the keyboard, and places it
// at the corner of the window it belongs to.
Qt::WindowType frontWindowType();

// Under weston's X11 window manager, lets the pointer through `backdrop`
// and through the frame the window manager puts round it, to the window in
// front; elsewhere does nothing. That window manager stacks the X windows in
// the order it activated them and never activates a utility window, so the
// X server would give every click on the window to the backdrop's frame,
// which stands above it there. Called before the backdrop is shown.
void letPointerThrough(QWidget *backdrop);

// Whether the window in front disappears when the window manager changes the
// size of its full-screen backdrop: weston's, whose maximize key acts on the
// backdrop there and then hides the window; shown afresh, it comes back.
bool frontLostWithBackdropSize();

// Adds the states that keep a window out of task bars and pagers to the
// window before it is mapped.
void skipTaskbarAndPager(QWidget *window);

// Asks the window manager to unshade, unhide and unmaximize the window and
// to activate it, as a pager asks, which every window manager grants.
void restoreAndActivate(QWidget *window);

// Calls `putAway` soon after the window manager shades `window`, hides it
// (minimized, iconified) or maximizes it, however it was asked to: weston
// maximizes even a window of fixed size.
void whenPutAway(QWidget *window, std::function<void()> putAway);

} // namespace forms::x11
