// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/printing.h"

#include "core/error.h"
#include "forms/printqueue.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace forms {

namespace {

// A printed form's pixel becomes a square of at least this many image
// pixels a side, and of at least this many to the inch.
constexpr int SharpSquare = 3;
constexpr double SharpPixelsPerInch = 200.0;

[[noreturn]] void fail(const QString &cause)
{
    throw core::Error(QStringLiteral("Det gick inte att skriva ut: %1").arg(cause));
}

[[noreturn]] void failNoPrinter()
{
    if (queueState(QString()) == QueueState::Unreachable)
        fail(QStringLiteral("utskriftssystemet på datorn är inte igång."));
    fail(QStringLiteral("datorn har ingen standardskrivare."));
}

// The queue's state as the page is about to go: what cannot take the page
// fails; a paused queue takes it, and the note says it waits there.
QString checkQueue(const QPrinter &printer)
{
    switch (queueState(printer.printerName())) {
    case QueueState::Unreachable:
    case QueueState::NoQueue:
        failNoPrinter();
    case QueueState::Refusing:
        fail(QStringLiteral("skrivaren %1 tar inte emot utskrifter just nu.")
                 .arg(printer.printerName()));
    case QueueState::Paused:
        return QStringLiteral("Skrivaren %1 är pausad. Sidan väntar i skrivarkön och skrivs ut "
                              "när skrivaren startas igen.")
            .arg(printer.printerName());
    case QueueState::Ready:
        break;
    }
    return {};
}

[[noreturn]] void failRefused(const QPrinter &printer)
{
    if (printer.printerName().isEmpty())
        fail(QStringLiteral("skrivaren tog inte emot utskriften."));
    fail(QStringLiteral("skrivaren %1 tog inte emot utskriften.").arg(printer.printerName()));
}

std::function<std::unique_ptr<QPrinter>()> &printerSource()
{
    static std::function<std::unique_ptr<QPrinter>()> source = [] {
        return printerFor(QPrinterInfo::defaultPrinter());
    };
    return source;
}

// The largest rectangle of the proportions of `form` that is centred on the
// sheet and lies within the printable area, in the painter's coordinates
// (printer pixels from the printable area's top left). A printer whose
// margins differ side to side still gets the page in the middle of the sheet.
QRectF placeOnSheet(const QSizeF &form, const QPrinter &printer)
{
    const QPageLayout layout = printer.pageLayout();
    const QRectF sheet = layout.fullRectPixels(printer.resolution());
    const QRectF printable = layout.paintRectPixels(printer.resolution());
    const QPointF middle = sheet.center();
    const QSizeF room(2 * std::min(middle.x() - printable.left(), printable.right() - middle.x()),
                      2 * std::min(middle.y() - printable.top(), printable.bottom() - middle.y()));
    const QSizeF size = form.scaled(room, Qt::KeepAspectRatio);
    return {middle - QPointF(size.width(), size.height()) / 2 - printable.topLeft(), size};
}

// The form's image with each of its pixels made a square of image pixels.
// Printer drivers and viewers that smooth a picture as they enlarge it blur
// it by about one image pixel: with the squares this fine, that blurs their
// edges a little, never their middle.
QImage withSharpPixels(const QImage &image, double inchesPerPixel)
{
    const int side = std::max(SharpSquare, int(std::ceil(inchesPerPixel * SharpPixelsPerInch)));
    return image.scaled(image.size() * side, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace

std::unique_ptr<QPrinter> printerFor(const QPrinterInfo &info)
{
    if (info.isNull())
        failNoPrinter();
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    // Qt quietly turns a printer it cannot reach into a PDF file without a
    // name; that is no printer for the user.
    if (printer->outputFormat() != QPrinter::NativeFormat)
        failNoPrinter();
    printer->setDocName(QGuiApplication::applicationDisplayName());
    // The print page stands upright, as the canvas does.
    printer->setPageOrientation(QPageLayout::Portrait);
    return printer;
}

std::unique_ptr<QPrinter> DefaultPrinter()
{
    return printerSource()();
}

void setPrinterSource(std::function<std::unique_ptr<QPrinter>()> source)
{
    printerSource() = std::move(source);
}

QString PrintForm(QWidget *form, QPrinter &printer)
{
    const bool queued = printer.outputFormat() == QPrinter::NativeFormat;
    const QString note = queued ? checkQueue(printer) : QString();
    // Beyond its controls the form shows its background, white as the paper.
    const QImage image = form->grab(form->childrenRect()).toImage();
    QPainter painter;
    if (!painter.begin(&printer))
        failRefused(printer);
    const QRectF target = placeOnSheet(image.size(), printer);
    // Qt stores pictures in a document as JPEG unless told otherwise, which
    // smears colours into each other at every edge.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.drawImage(
        target, withSharpPixels(image, target.width() / image.width() / printer.resolution()));
    if (!painter.end())
        failRefused(printer);
    // Qt sends the page to the print system as the painting ends and keeps
    // no answer; the print system's own last answer says whether it took it.
    if (const auto refused = queued ? lastPageRefused() : std::nullopt)
        fail(QStringLiteral("skrivaren %1 tog inte emot utskriften (%2).")
                 .arg(printer.printerName(), *refused));
    return note;
}

} // namespace forms
