// SPDX-License-Identifier: GPL-3.0-or-later
// Built where there is no X11: nothing to ask beyond Qt's own calls.
#include "forms/desktop.h"
#include "forms/desktopx11.h"

namespace forms {

void keepOutOfSwitchers(QWidget *)
{
}

} // namespace forms

namespace forms::x11 {

QByteArray windowManagerName()
{
    return {};
}

void letPointerThrough(QWidget *)
{
}

void restoreAndActivate(QWidget *)
{
}

void whenPutAway(QWidget *, std::function<void()>)
{
}

} // namespace forms::x11
