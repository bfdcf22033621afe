#include "forms/swedishtexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

namespace forms {

void useSwedishTexts()
{
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    QLocale::setDefault(swedish);
    // Debian's Swedish catalogue is the one file qt_sv; where a language has
    // its catalogue split (qtbase_…), its qt_… names the parts and load()
    // follows them.
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto *catalogue = new QTranslator(QCoreApplication::instance());
    if (catalogue->load(swedish, QStringLiteral("qt"), QStringLiteral("_"), folder)) {
        QCoreApplication::installTranslator(catalogue);
        return;
    }
    delete catalogue;
    std::fprintf(stderr, "Qt:s svenska texter finns inte i %s; Qt:s egna texter blir engelska.\n",
                 qPrintable(folder));
}

} // namespace forms
