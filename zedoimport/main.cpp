#include "forms/design.h"
#include "zedoimport/commandline.h"
#include "zedoimport/form1.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

#include <memory>

namespace {

// Qt's own texts (the file chooser, the buttons of message boxes) in Swedish.
void installSwedish(QCoreApplication &app)
{
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
    auto *translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Swedish), QStringLiteral("qt"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

} // namespace

int main(int argc, char *argv[])
{
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
    installSwedish(*app);
    if (command)
        return zedoimport::RunCommandLine(QCoreApplication::arguments().mid(1));

    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    forms::installFontSubstitutes();
    zedoimport::Form1 form;
    form.show();
    form.Form_Load();
    return QApplication::exec();
}
