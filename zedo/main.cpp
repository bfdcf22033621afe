// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/error.h"
#include "forms/design.h"
#include "forms/desktop.h"
#include "forms/runtime.h"
#include "forms/swedishtexts.h"
#include "zedo/form1.h"

#include <QApplication>

#include <memory>

int main(int argc, char *argv[])
{
    forms::prepareDesktop();
    QApplication app(argc, argv);
    forms::chooseWindowScale(forms::twips(zedo::ClientTwips));
    QApplication::setApplicationDisplayName(QStringLiteral("Krumelo"));
    forms::useDesignLooks();
    forms::useSwedishTexts();

    std::unique_ptr<zedo::Form1> form1;
    try {
        form1 = std::make_unique<zedo::Form1>();
        form1->Form_Load();
    } catch (const core::Error &error) {
        forms::reportError(error.message());
        return 1;
    }
    // The backdrop is already up, so the main window opens on top of it.
    form1->show();
    return forms::leaveDesktop(QApplication::exec());
}
