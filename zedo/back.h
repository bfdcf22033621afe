// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/backdrop.h"

namespace zedo {

// The black window that covers the screen behind the main window.
using back = forms::Backdrop;

} // namespace zedo
