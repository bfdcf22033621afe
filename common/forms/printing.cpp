#include "forms/printing.h"

#include "core/error.h"
#include "forms/printqueue.h"

#include <QGuiApplication>
#include <QPainter>
#include <QWidget>

namespace forms {

namespace {

// The resolution the window designs are made for: a form's pixels are this
// many to the inch on paper.
constexpr double ScreenDpi = 96.0;

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

// The form's place on the printable area, both in printer pixels.
QRectF placeOnPage(QSizeF form, const QSizeF &page)
{
    if (form.width() > page.width() || form.height() > page.height())
        form.scale(page, Qt::KeepAspectRatio);
    return {QPointF((page.width() - form.width()) / 2, 0), form};
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
    const QImage image = form->grab().toImage();
    QPainter painter;
    if (!painter.begin(&printer))
        failRefused(printer);
    const double perPixel = printer.logicalDpiX() / ScreenDpi;
    const QRectF target = placeOnPage(image.deviceIndependentSize() * perPixel,
                                      QSizeF(printer.width(), printer.height()));
    painter.drawImage(target, image);
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
