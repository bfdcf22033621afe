// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/design.h"
#include "forms/desktop.h"
#include "forms/runtime.h"
#include "forms/swedishtexts.h"
#include "zedoimport/commandline.h"
#include "zedoimport/form1.h"
#include "zedoimport/pagereader.h"

#include <QApplication>

#include <cstdio>
#include <memory>

namespace {

// Qt's notes on damaged or unusual pictures are in English and meant for
// developers; the adult is told in Swedish what went wrong, once.
void keepQtNotesOffTheTerminal(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(text));
}

} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(keepQtNotesOffTheTerminal);
    // With a file named it works as a command and shows no window, so it
    // runs where there is no display too.
    const bool command = argc > 1;
    if (command && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app;
    if (command)
        app = std::make_unique<QGuiApplication>(argc, argv);
    else
        app = std::make_unique<QApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zedoimport"));
    forms::useSwedishTexts();
    zedoimport::SetUpReading();
    if (command)
        return zedoimport::RunCommandLine(QCoreApplication::arguments().mid(1));

    forms::useDesignLooks();
    zedoimport::Form1 form;
    form.show();
    forms::afterFirstPaint(&form, [&form] { form.Form_Load(); });
    return forms::leaveDesktop(QApplication::exec());
}
