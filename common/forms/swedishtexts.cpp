// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/swedishtexts.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

namespace forms {

namespace {

// The texts of the file chooser and the message boxes that Debian's Swedish
// catalogue for Qt 6.4 leaves in English, by context and source text.
class Supplement : public QTranslator
{
public:
    using QTranslator::QTranslator;

    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        return texts().value(QByteArray(context) + '\n' + sourceText);
    }
    bool isEmpty() const override { return false; }

private:
    static const QHash<QByteArray, QString> &texts()
    {
        static const QHash<QByteArray, QString> table = {
            {"QFileDialog\nLook in:", QStringLiteral("Leta i:")},
            {"QFileDialog\n&New Folder", QStringLiteral("&Ny mapp")},
            {"QFileDialog\nRecent Places", QStringLiteral("Senaste platser")},
            {"QFileDialog\nGo back", QStringLiteral("Gå tillbaka")},
            {"QFileDialog\nGo forward", QStringLiteral("Gå framåt")},
            {"QFileDialog\nGo to the parent directory", QStringLiteral("Gå till mappen ovanför")},
            {"QFileDialog\nCreate a New Folder", QStringLiteral("Skapa en ny mapp")},
            {"QFileDialog\nChange to list view mode", QStringLiteral("Visa som lista")},
            {"QFileDialog\nChange to detail view mode", QStringLiteral("Visa med detaljer")},
            {"QFileDialog\nAre you sure you want to delete '%1'?",
             QStringLiteral("Vill du verkligen ta bort \"%1\"?")},
            {"QFileSystemModel\nComputer", QStringLiteral("Datorn")},
            {"QFileSystemModel\n%1 bytes", QStringLiteral("%1 byte")},
            {"QFileSystemModel\nInvalid filename", QStringLiteral("Ogiltigt filnamn")},
            {"QAbstractFileIconProvider\nFolder", QStringLiteral("Mapp")},
            {"QAbstractFileIconProvider\nDrive", QStringLiteral("Enhet")},
            {"QAbstractFileIconProvider\nFile", QStringLiteral("Fil")},
            {"QAbstractFileIconProvider\n%1 File", QStringLiteral("%1-fil")},
            {"QPlatformTheme\nOK", QStringLiteral("OK")},
            {"QPlatformTheme\nOpen", QStringLiteral("Öppna")},
            {"QPlatformTheme\nSave", QStringLiteral("Spara")},
            {"QPlatformTheme\nCancel", QStringLiteral("Avbryt")},
            {"QPlatformTheme\nClose", QStringLiteral("Stäng")},
            {"QPlatformTheme\n&Yes", QStringLiteral("&Ja")},
            {"QPlatformTheme\n&No", QStringLiteral("&Nej")},
        };
        return table;
    }
};

} // namespace

void useSwedishTexts()
{
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    QLocale::setDefault(swedish);
    // Asked last, so Qt's own catalogue answers where it can.
    QCoreApplication::installTranslator(new Supplement(QCoreApplication::instance()));
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
