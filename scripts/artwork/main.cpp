// SPDX-License-Identifier: GPL-3.0-or-later
// drawartwork: draws Krumelo's pictures into a repository checkout and checks them.
//
//   drawartwork ROOT          write every picture under ROOT, then check them
//   drawartwork --check ROOT  only check the files already under ROOT
//
// The exit status is 0 only when every file passes its check.
#include "artworkcheck.h"
#include "artworkfiles.h"
#include "buttonpictures.h"
#include "manifest.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

using namespace artwork;

void writeAll(const QString &root)
{
    const auto at = [&](const QString &relative) {
        const QString path = root + QLatin1Char('/') + relative;
        if (!QDir().mkpath(QFileInfo(path).path()))
            throw ArtworkError{QStringLiteral("cannot create the folder of %1").arg(path)};
        return path;
    };
    for (const PageFile &page : Pages)
        writeBmp4(at(page.path), page.draw());
    QFile::remove(at(DefaultPageCopy));
    if (!QFile::copy(at(DefaultPage), at(DefaultPageCopy)))
        throw ArtworkError{QStringLiteral("cannot copy %1").arg(DefaultPage)};
    writeBmp24(at(PaletteButton), drawPaletteButton());
    writeBmp24(at(PrinterButton), drawPrinterButton());
    writeIco4(at(PencilIcon), drawPencilIcon());
    writeIco4(at(StopIcon), drawStopIcon());
    for (const AppIcon &icon : AppIcons) {
        for (int size : AppIconSizes)
            writePng(at(appIconPath(icon.name, size)), drawAppIcon(icon.design, size));
        writeBytes(at(appIconPath(icon.name, 0)),
                   drawAppIconSvg(icon.design, QString::fromUtf8(icon.title)));
    }
    writeBytes(at(ExampleSettings), QByteArray(ExampleSettingsBytes));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool checkOnly = args.removeAll(QStringLiteral("--check")) > 0;
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: drawartwork [--check] REPOSITORY_ROOT\n");
        return 2;
    }
    const QString root = QDir(args.first()).absolutePath();
    try {
        if (!checkOnly)
            writeAll(root);
    } catch (const ArtworkError &error) {
        std::fprintf(stderr, "drawartwork: %s\n", qPrintable(error.message));
        return 1;
    }
    QStringList pagePaths;
    for (const PageFile &page : Pages)
        pagePaths << QString::fromLatin1(page.path);
    const int failures = checkArtwork(root, pagePaths);
    if (failures > 0)
        std::fprintf(stderr, "drawartwork: %d file(s) failed the check\n", failures);
    return failures > 0 ? 1 : 0;
}
