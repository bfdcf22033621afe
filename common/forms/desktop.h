// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <Qt>

class QString;
class QWidget;

namespace forms {

// How both programs meet the desktop they run on, whatever its window
// manager: the main window stays in front of a backdrop that hides the whole
// desktop, and the child cannot lose it. What a window system needs besides
// Qt's own calls is in desktopx11.cpp (X11) and desktopnox11.cpp (elsewhere).

// Called first in main(), before the application object exists, as the
// choice only takes effect there: in a Wayland session with XWayland at hand
// the programs run on X11. A Wayland client can neither place its window in
// the middle of the screen nor keep it in front of another.
void prepareDesktop();

// Called once the application object exists, before any window. On X11,
// unless the user set a scale of their own (QT_SCALE_FACTOR,
// QT_SCREEN_SCALE_FACTORS), the windows are shown at the largest
// whole-number scale at which a window of `clientSize` pixels, frame
// included, fits in 95 % of the width and of the height of the primary
// screen's work area.
void chooseWindowScale(QSize clientSize);

// Makes `window` a main window that cannot be lost: a title bar with a close
// box only, so no minimize, maximize or shade, and where a window manager
// offers them anyway, the window comes back at once; the icon `icon`. Called
// before it is shown.
void makeMainWindow(QWidget *window, const QString &icon);

// Makes `backdrop` a backdrop window: borderless and never taking the
// keyboard focus. Shown in the window manager's full-screen state, it covers
// panels too.
void makeBackdrop(QWidget *backdrop);

// Keeps a backdrop out of task bars, pagers and window switchers. Called
// each time before it is shown, as a window manager forgets it on hiding.
void keepOutOfSwitchers(QWidget *backdrop);

// Brings `window` back in front with the keyboard focus, whatever a window
// manager did to it: minimized, shaded, hidden or put below another window.
void bringToFront(QWidget *window);

// What main() returns once the event loop has ended with `status`. On Qt's
// Wayland platform the application object can hang on its way out (Qt 6.4
// waits there for its event thread, which may wait for a read that never
// comes), so there the process ends here with `status`; by then every window
// is gone and every file the program wrote is closed.
int leaveDesktop(int status);

// What one window manager needs beyond what every other takes. Each field
// names the desktop that needs it and the end-to-end test that shows it; the
// desktops tried (README, "On desktops") need nothing else.
struct DesktopQuirks
{
    // The kind of window a window manager keeps above the full-screen window
    // it belongs to: a dialog. Weston's X11 window manager keeps a dialog
    // there only by lowering the backdrop below its panel, so there a utility
    // window, which it never gives the keyboard and places at the corner of
    // the backdrop (e2e_desktop_weston: the panel stays black).
    Qt::WindowType frontWindowType = Qt::Dialog;
    // Whether the backdrop and the frame the window manager puts round it let
    // the pointer through to the window in front. Weston's stacks X windows
    // in the order it activated them and never activates a utility window,
    // so the backdrop's frame stands above the window there and would take
    // every click (e2e_desktop_weston: every click on the window).
    bool backdropLetsPointerThrough = false;
    // Whether the window in front must be shown afresh once the window
    // manager has taken the backdrop's size away from its screen's. Weston's
    // maximize key acts on the backdrop, the window it keeps active, and hides
    // the window in front (e2e_desktop_weston: "after maximized").
    bool showFrontAgainAfterBackdropResize = false;
};

// The quirks of the window manager the program runs under, asked once.
const DesktopQuirks &desktopQuirks();

} // namespace forms
