// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as zedo.ini, read by the colouring program's own main
// window as it loads, so every field is read and applied in its real order.
// Every input must end in a loaded window or in core::Error whose message
// names the settings file. The program reads zedo.ini from the current
// folder, so while an input is read that is a temporary folder: give
// -artifact_prefix an absolute path.
#include "core/error.h"
#include "core/settingsfile.h"
#include "zedo/form1.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

// The picture a well-formed file names, so inputs that get past the picture
// go on to the other fields.
const QString PageName = QStringLiteral("page.bmp");

QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    return dir;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never deleted: at exit Qt's own statics may already be gone.
    new QApplication(*argc, *argv);
    QImage page(40, 30, QImage::Format_RGB32);
    page.fill(Qt::white);
    page.save(folder().filePath(PageName), "BMP");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString started = QDir::currentPath();
    QDir::setCurrent(folder().path());
    {
        QFile file(core::SettingsFileName);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            __builtin_trap();
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    // One window for every input, as building it takes far longer than
    // loading it; what an earlier input left in its controls never steers
    // the reading.
    static zedo::Form1 *const form = new zedo::Form1;
    try {
        form->Form_Load();
    } catch (const core::Error &error) {
        if (!error.message().contains(core::SettingsFileName))
            __builtin_trap();
    }
    // The program's event loop would take what loading posts (the backdrop's
    // paint requests); without it that would pile up from input to input.
    QCoreApplication::processEvents();
    QDir::setCurrent(started);
    return 0;
}
