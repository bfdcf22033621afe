#include "form2.h"

#include "design.h"
#include "runtime.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The title of the program's message boxes. It is not set as the display
    // name, which the system would append to the window title "Hämta".
    QApplication::setApplicationName(QStringLiteral("zedoconf"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    forms::installFontSubstitutes();

    zedoconf::Form2 form;
    try {
        form.Form_Load();
    } catch (const core::Error &error) {
        forms::reportError(error.message());
        return 1;
    }
    form.show();
    return app.exec();
}
