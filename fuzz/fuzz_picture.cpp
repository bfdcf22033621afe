// An arbitrary file as the picture of the canvas: loaded, laid on a canvas as
// the colouring program does, then filled and dotted on.
#include "error.h"
#include "pictureloader.h"
#include "raster.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

void paintOn(const QImage &picture)
{
    QImage canvas(353, 425, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        painter.drawImage(0, 0, picture);
    }
    core::FloodFill(canvas, 100, 100, qRgb(0, 0, 0), qRgb(255, 0, 0));
    core::PSet(canvas, 200, 200, 15, qRgb(0, 0, 255));
    QImage page(353, 409, QImage::Format_RGB32);
    core::BitBlt(page, 0, 0, 353, 409, canvas, 0, 0);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("picture"));
    {
        QFile file(fileName);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    try {
        paintOn(core::LoadPicture(fileName));
    } catch (const core::Error &) {
    }
    return 0;
}
