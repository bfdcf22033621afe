#pragma once

#include <QSize>

class QString;
class QWidget;

namespace forms {

// How both programs meet the desktop they run on, whatever its window
// manager: the main window stays in front of a backdrop that hides the whole
// desktop, and the child cannot lose it. What a window system needs besides
// Qt's own calls lives behind these functions (X11: desktopx11.cpp).

// Called first in main(), before the application object exists, as both
// settings only take effect there. In a Wayland session with XWayland at hand
// the programs run on X11: a Wayland client can neither place its window in
// the middle of the screen nor keep it in front of another. And unless the
// user set a scale of their own (QT_SCALE_FACTOR, QT_SCREEN_SCALE_FACTORS),
// the windows are shown at the largest whole-number scale at which a window of
// `clientSize` pixels, frame included, fits in 95 % of the width and of the
// height of the primary screen's work area.
void prepareDesktop(QSize clientSize);

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

// Whether the window in front must be shown afresh once the window manager
// has changed the size of the backdrop behind it, away from its screen's.
bool showAgainAfterBackdropResize();

// What main() returns once the event loop has ended with `status`. On Qt's
// Wayland platform the application object can hang on its way out (Qt 6.4
// waits there for its event thread, which may wait for a read that never
// comes), so there the process ends here with `status`; by then every window
// is gone and every file the program wrote is closed.
int leaveDesktop(int status);

// Brings `window` back in front with the keyboard focus, whatever a window
// manager did to it: minimized, shaded, hidden or put below another window.
void bringToFront(QWidget *window);

} // namespace forms
