// SPDX-License-Identifier: GPL-3.0-or-later
// An arbitrary file as the picture of the canvas: loaded, given to a picture
// box of the canvas's size as the colouring program does, then filled and
// dotted on, each followed by the commit to the page and back.
#include "core/error.h"
#include "core/pictureloader.h"
#include "core/raster.h"
#include "forms/design.h"
#include "forms/picturebox.h"
#include "zedo/form1.h"
#include "zedo/form2.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

// The canvas and the print page's picture, in pixels.
constexpr QSize CanvasSize = forms::twips(zedo::CanvasTwips);
constexpr QSize PageSize = forms::twips(zedo::PageTwips);

void commit(forms::PictureBox &canvas, QImage &page)
{
    core::BitBlt(page, 0, 0, PageSize.width(), PageSize.height(), canvas.hDC(), 0, 0);
    canvas.setAutoRedraw(true);
    canvas.drawOnDC([&](QImage &dc) {
        return core::BitBlt(dc, 0, 0, PageSize.width(), PageSize.height(), page, 0, 0);
    });
    canvas.setAutoRedraw(false);
}

void paintOn(const QImage &picture)
{
    static forms::PictureBox *const canvas = [] {
        auto *box = new forms::PictureBox;
        box->resize(CanvasSize);
        box->setBackColor(Qt::white);
        box->setForeColor(0xFF0000);
        box->setDrawWidth(15);
        return box;
    }();
    QImage page(PageSize, QImage::Format_RGB32);
    canvas->setPicture(picture);
    canvas->drawOnDC(
        [](QImage &dc) { return core::FloodFill(dc, 100, 100, qRgb(0, 0, 0), qRgb(255, 0, 0)); });
    commit(*canvas, page);
    canvas->PSet(200, 200);
    commit(*canvas, page);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never deleted: at exit Qt's own statics may already be gone.
    new QApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("picture"));
    {
        QFile file(fileName);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            __builtin_trap();
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    try {
        paintOn(core::LoadPicture(fileName));
    } catch (const core::Error &error) {
        if (!error.message().contains(fileName))
            __builtin_trap();
    }
    return 0;
}
