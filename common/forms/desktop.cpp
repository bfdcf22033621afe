// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/desktop.h"

#include "core/windowscale.h"
#include "forms/desktopx11.h"

#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <QtGui/private/qhighdpiscaling_p.h>

#include <cstdio>
#include <cstdlib>

namespace forms {

namespace {

// Room for a window manager's frame, which is only known once the window is
// shown, while the scale must be chosen before: the widest borders and the
// highest title bar of the window managers tried, with some to spare.
constexpr QSize FrameAllowance(16, 48);

bool isSet(const char *name)
{
    return !qEnvironmentVariableIsEmpty(name);
}

bool waylandSession()
{
    return isSet("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland";
}

// The window managers that need more than every other takes, by the name
// they give themselves; desktop.h says what each field is for. Openbox,
// xfwm4 and mutter need nothing more (e2e_desktop_openbox, _xfwm4, _mutter).
struct WindowManager
{
    const char *name;
    DesktopQuirks quirks;
};
constexpr WindowManager WithQuirks[] = {
    {"Weston WM",
     {.frontWindowType = Qt::Tool,
      .backdropLetsPointerThrough = true,
      .showFrontAgainAfterBackdropResize = true}},
};

} // namespace

const DesktopQuirks &desktopQuirks()
{
    static const DesktopQuirks quirks = [] {
        const QByteArray name = x11::windowManagerName();
        for (const WindowManager &known : WithQuirks) {
            if (name == known.name)
                return known.quirks;
        }
        return DesktopQuirks();
    }();
    return quirks;
}

void prepareDesktop()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && waylandSession() && isSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

// The work area is the one Qt asked of the X server as the application
// started, counted in the pixels of the screen's own scale (Xft.dpi). Qt
// reads QT_SCALE_FACTOR only while the application object is built, so the
// scale is set with the call Qt makes for it, which holds while no window
// exists yet; asking the screen before, over a connection of our own, cost
// three more round trips to the X server at every start.
void chooseWindowScale(QSize clientSize)
{
    if (isSet("QT_SCALE_FACTOR") || isSet("QT_SCREEN_SCALE_FACTORS") ||
        QGuiApplication::platformName() != u"xcb" || !QGuiApplication::primaryScreen())
        return;
    const QSize free = QGuiApplication::primaryScreen()->availableGeometry().size();
    const int scale = core::wholeScale(clientSize, FrameAllowance, free);
    if (scale > 1)
        QHighDpiScaling::setGlobalFactor(scale);
}

void makeMainWindow(QWidget *window, const QString &icon)
{
    // A window that belongs to the backdrop, which window managers keep
    // above it; without minimize and maximize hints they offer neither.
    window->setWindowFlags(desktopQuirks().frontWindowType | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint);
    // Read as the PNG it is: QIcon(fileName) first asks every image plug-in
    // on the machine whether it reads the file, loading them all at start.
    QImageReader reader(icon, "png");
    reader.setAutoDetectImageFormat(false);
    window->setWindowIcon(QIcon(QPixmap::fromImage(reader.read())));
    x11::whenPutAway(window, [window] { bringToFront(window); });
}

void makeBackdrop(QWidget *backdrop)
{
    backdrop->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    if (desktopQuirks().backdropLetsPointerThrough)
        x11::letPointerThrough(backdrop);
}

int leaveDesktop(int status)
{
    if (QGuiApplication::platformName() == u"wayland") {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}

void bringToFront(QWidget *window)
{
    if (!window || !window->isVisible())
        return;
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    x11::restoreAndActivate(window);
    window->raise();
    window->activateWindow();
}

} // namespace forms
