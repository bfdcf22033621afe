#include "forms/desktop.h"

#include "core/windowscale.h"
#include "forms/desktopx11.h"

#include <QGuiApplication>
#include <QIcon>
#include <QWidget>

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

// The scale of the screen itself, as Qt takes it from the desktop's dots per
// inch; the work area counts in the screen's own pixels.
double ownPixelRatio(int dpi)
{
    if (dpi <= 0 || qgetenv("QT_ENABLE_HIGHDPI_SCALING") == "0")
        return 1.0;
    return dpi / 96.0;
}

void chooseScale(QSize clientSize)
{
    if (isSet("QT_SCALE_FACTOR") || isSet("QT_SCREEN_SCALE_FACTORS") || !isSet("DISPLAY"))
        return;
    const std::optional<x11::Screen> screen = x11::primaryScreen();
    if (!screen)
        return;
    const QRect free = screen->workArea.intersected(screen->monitor);
    const QRect area = free.isEmpty() ? screen->monitor : free;
    const double ratio = ownPixelRatio(screen->dpi);
    const QSize own(int(area.width() / ratio), int(area.height() / ratio));
    const int scale = core::wholeScale(clientSize, FrameAllowance, own);
    if (scale > 1)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
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

void prepareDesktop(QSize clientSize)
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() && waylandSession() && isSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    const QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
    if (chosen.isEmpty() || chosen == "xcb")
        chooseScale(clientSize);
}

void makeMainWindow(QWidget *window, const QString &icon)
{
    // A window that belongs to the backdrop, which window managers keep
    // above it; without minimize and maximize hints they offer neither.
    window->setWindowFlags(desktopQuirks().frontWindowType | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint);
    window->setWindowIcon(QIcon(icon));
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
