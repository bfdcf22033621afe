// Arbitrary bytes as zedo.ini, read field by field in the order the colouring
// program reads them. Every input must end in values or in core::Error.
#include "colortable.h"
#include "error.h"
#include "settingsfile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

void readLikeTheColouringProgram(const QString &fileName)
{
    core::SettingsReader reader(fileName);
    reader.readString(QStringLiteral("PicturePath"));
    const qint16 colorCount = reader.readInteger(QStringLiteral("ColorCount"));
    if (colorCount > 10)
        throw core::Error(QStringLiteral("too many colours"));
    for (int i = 0; i < colorCount; ++i)
        core::QBColor(reader.readInteger(QStringLiteral("Colors")));
    reader.readInteger(QStringLiteral("PenWidth"));
    reader.readInteger(QStringLiteral("StartInFillMode"));
    reader.readInteger(QStringLiteral("ShowQuit"));
    reader.readInteger(QStringLiteral("ShowPrint"));
    reader.readInteger(QStringLiteral("ShowToolToggle"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("zedo.ini"));
    {
        QFile file(fileName);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    try {
        readLikeTheColouringProgram(fileName);
    } catch (const core::Error &error) {
        if (error.message().isEmpty())
            __builtin_trap();
    }
    return 0;
}
