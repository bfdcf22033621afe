#pragma once

class QCoreApplication;

namespace zedoimport {

// Qt's own texts (the file chooser, the buttons of message boxes) in
// Swedish: Qt's Swedish catalogue, and the few texts of this Qt version that
// the catalogue shipped with it lacks. Dates and numbers follow Sweden too.
void InstallSwedish(QCoreApplication &app);

} // namespace zedoimport
