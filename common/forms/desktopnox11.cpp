// Built where there is no X11: nothing to ask beyond Qt's own calls.
#include "forms/desktopx11.h"

namespace forms::x11 {

std::optional<Screen> primaryScreen()
{
    return std::nullopt;
}

Qt::WindowType frontWindowType()
{
    return Qt::Dialog;
}

void letPointerThrough(QWidget *)
{
}

bool frontLostWithBackdropSize()
{
    return false;
}

void skipTaskbarAndPager(QWidget *)
{
}

void restoreAndActivate(QWidget *)
{
}

void whenPutAway(QWidget *, std::function<void()>)
{
}

} // namespace forms::x11
