#include "zedobench.h"

#include "colortable.h"
#include "printing.h"
#include "runtime.h"

#include <QDir>
#include <QPainter>
#include <QTest>

namespace bench {

QImage testPage()
{
    QImage page(300, 400, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.setPen(Qt::black);
    for (const QRect &square : {SquareA, SquareB})
        painter.drawRect(square.adjusted(0, 0, -1, -1));
    return page;
}

QRgb rgbOf(int index)
{
    return core::toRgb(core::QBColor(index));
}

QStringList settings(const QList<int> &colors, int penWidth, int startInFillMode, int showQuit,
                     int showPrint, int showToolToggle, const QString &picture)
{
    QStringList values{'"' + picture + '"', QString::number(colors.size())};
    for (int color : colors)
        values << QString::number(color);
    for (int value : {penWidth, startInFillMode, showQuit, showPrint, showToolToggle})
        values << QString::number(value);
    return values;
}

ZedoBench::ZedoBench()
{
    testPage().save(path(PageName));
    setNoPrinter();
}

ZedoBench::~ZedoBench()
{
    setNoPrinter();
}

// A test that prints chooses its own printer; no other reaches a real one.
void ZedoBench::setNoPrinter()
{
    forms::setPrinterSource([] { return forms::printerFor(QPrinterInfo()); });
}

void ZedoBench::writeSettings(const QStringList &values) const
{
    write(QStringLiteral("zedo.ini"), values.join(QStringLiteral("\r\n")).toLatin1() + "\r\n");
}

bool ZedoBench::start(const QStringList &values)
{
    writeSettings(values);
    if (const auto failure = load()) {
        qWarning("load failed: %s", qPrintable(*failure));
        return false;
    }
    return show();
}

} // namespace bench
