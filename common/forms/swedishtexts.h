// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace forms {

// Whatever words Qt itself puts on the screen come in Swedish: Qt's own
// Swedish catalogue is loaded, with the few texts of the file chooser and the
// message boxes it lacks, and Swedish is the default locale. Called once,
// right after the application object is made. Without the catalogue (the
// package of Qt's translations is missing) it says so on standard error and
// the programs go on.
void useSwedishTexts();

} // namespace forms
