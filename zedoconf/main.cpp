// SPDX-License-Identifier: GPL-3.0-or-later
#include "zedoconf/form2.h"

#include "forms/design.h"
#include "forms/desktop.h"
#include "forms/runtime.h"
#include "forms/swedishtexts.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    forms::prepareDesktop();
    QApplication app(argc, argv);
    forms::chooseWindowScale(forms::twips(zedoconf::ClientTwips));
    // The title of the program's message boxes. It is not set as the display
    // name, which the system would append to the window title "Hämta".
    QApplication::setApplicationName(QStringLiteral("zedoconf"));
    forms::useDesignLooks();
    forms::useSwedishTexts();

    zedoconf::Form2 form;
    try {
        form.Form_Load();
    } catch (const core::Error &error) {
        forms::reportError(error.message());
        return 1;
    }
    form.show();
    return forms::leaveDesktop(app.exec());
}
