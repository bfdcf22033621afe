// SPDX-License-Identifier: GPL-3.0-or-later
#include "testpages.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QRandomGenerator>
#include <QSvgGenerator>
#include <QtMath>

namespace testpages {

namespace {

// The design is 2480 x 3508 units, A4 at 300 dots per inch; pens in units.
constexpr qreal Thin = 4;
constexpr qreal Middle = 10;
constexpr qreal Bold = 18;

void setPen(QPainter &p, qreal width)
{
    p.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// In Fill::Colours the area gets `colour` below its outline.
void setBrush(QPainter &p, Fill fill, QColor colour)
{
    p.setBrush(fill == Fill::Colours ? QBrush(colour) : QBrush(Qt::NoBrush));
}

void drawSun(QPainter &p, Fill fill)
{
    const QPointF centre(620, 700);
    setPen(p, Bold);
    setBrush(p, fill, QColor(255, 140, 0));
    p.drawEllipse(centre, 300, 300);
    for (int i = 0; i < 8; ++i) {
        const qreal a = i * M_PI / 4;
        p.drawLine(centre + QPointF(qCos(a), qSin(a)) * 300,
                   centre + QPointF(qCos(a), qSin(a)) * 470);
    }
}

void drawHouse(QPainter &p, Fill fill)
{
    setPen(p, Middle);
    setBrush(p, fill, QColor(0, 0, 128));
    p.drawRect(QRectF(1300, 700, 850, 700));
    setBrush(p, fill, QColor(139, 69, 19));
    p.drawPolygon(QPolygonF({QPointF(1250, 700), QPointF(1725, 280), QPointF(2200, 700)}));
    setBrush(p, fill, QColor(128, 128, 128));
    p.drawRect(QRectF(1650, 1050, 170, 350));
    for (qreal left : {1400.0, 1900.0}) {
        setBrush(p, fill, QColor(135, 206, 235));
        const QRectF window(left, 820, 200, 200);
        p.drawRect(window);
        p.drawLine(QPointF(window.center().x(), window.top()),
                   QPointF(window.center().x(), window.bottom()));
        p.drawLine(QPointF(window.left(), window.center().y()),
                   QPointF(window.right(), window.center().y()));
    }
}

void drawFlower(QPainter &p, Fill fill)
{
    const QPointF centre(650, 1900);
    setPen(p, Middle);
    p.drawLine(centre + QPointF(0, 420), centre + QPointF(0, 900));
    setBrush(p, fill, QColor(0, 100, 0));
    p.drawEllipse(centre + QPointF(-155, 600), 150, 60);
    p.drawEllipse(centre + QPointF(155, 700), 150, 60);
    setBrush(p, fill, QColor(230, 0, 200));
    for (int i = 0; i < 6; ++i) {
        p.save();
        p.translate(centre);
        p.rotate(i * 60);
        p.drawEllipse(QPointF(0, -270), 95, 150);
        p.restore();
    }
    setBrush(p, fill, QColor(255, 240, 0));
    p.drawEllipse(centre, 120, 120);
}

void drawFish(QPainter &p, Fill fill)
{
    setPen(p, Middle);
    setBrush(p, fill, QColor(0, 100, 0));
    p.drawPolygon(QPolygonF({QPointF(2080, 1900), QPointF(2300, 1700), QPointF(2300, 2100)}));
    p.drawEllipse(QPointF(1700, 1900), 380, 230);
    // The eye: a small ring of its own, a figure no noise filter may take.
    setPen(p, Thin);
    setBrush(p, fill, Qt::white);
    p.drawEllipse(QPointF(1500, 1850), 40, 40);
}

void drawGrid(QPainter &p, Fill fill)
{
    setPen(p, Thin);
    const QRectF frame(250, 2950, 1000, 400);
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 5; ++column) {
            setBrush(p, fill, (row + column) % 2 ? QColor(0, 200, 90) : QColor(0, 190, 255));
            p.drawRect(QRectF(frame.left() + 200 * column, frame.top() + 200 * row, 200, 200));
        }
    }
}

void drawDiamond(QPainter &p, Fill fill)
{
    setPen(p, Thin);
    setBrush(p, fill, QColor(160, 100, 255));
    p.drawPolygon(QPolygonF(
        {QPointF(1850, 2500), QPointF(2250, 2900), QPointF(1850, 3300), QPointF(1450, 2900)}));
    p.drawLine(QPointF(1650, 2700), QPointF(2050, 3100));
}

QImage blankImage(QSize size, Fill fill)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill == Fill::Clear     ? QColor(Qt::transparent)
               : fill == Fill::Colours ? QColor(255, 250, 205) // pale yellow paper
                                       : QColor(Qt::white));
    return image;
}

// Lays the grey levels of a black-on-white page between `paper` (white) and
// `ink` (black), with grain of up to `grain` levels either way.
void print(QImage &image, QColor paper, QColor ink, int grain, quint32 seed)
{
    QRandomGenerator random(seed);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const qreal white = qGray(line[x]) / 255.0;
            const int noise = grain ? int(random.bounded(2 * grain + 1)) - grain : 0;
            const auto mix = [&](int p, int i) {
                return qBound(0, int(i + (p - i) * white) + noise, 255);
            };
            line[x] = qRgb(mix(paper.red(), ink.red()), mix(paper.green(), ink.green()),
                           mix(paper.blue(), ink.blue()));
        }
    }
}

// Multiplies every pixel by `light(x, y)`.
template <typename Light> void shade(QImage &image, Light light)
{
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const qreal f = light(x, y);
            line[x] =
                qRgb(int(qRed(line[x]) * f), int(qGreen(line[x]) * f), int(qBlue(line[x]) * f));
        }
    }
}

QImage faintPage()
{
    QImage image = linePage();
    print(image, QColor(240, 236, 226), QColor(170, 170, 170), 12, 1);
    return image;
}

// Grey paper turned by a degree, and the shadow of the lid along the
// binding on the left.
QImage scannedPage()
{
    QImage image(A4, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.translate(A4.width() / 2.0, A4.height() / 2.0);
    p.rotate(1);
    p.translate(-A4.width() / 2.0, -A4.height() / 2.0);
    drawLinePage(p, A4);
    p.end();
    print(image, QColor(212, 208, 198), QColor(25, 25, 30), 6, 2);
    shade(image, [](int x, int) { return 1 - 0.85 * qExp(-x / 70.0); });
    return image;
}

} // namespace

void drawLinePage(QPainter &painter, QSize size, Fill fill)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size.width() / qreal(A4.width()), size.height() / qreal(A4.height()));
    drawSun(painter, fill);
    drawHouse(painter, fill);
    drawFlower(painter, fill);
    drawFish(painter, fill);
    drawGrid(painter, fill);
    drawDiamond(painter, fill);
    painter.restore();
}

// A phone's picture of the page lying slanted on a wooden table, the light
// falling off towards the corners.
QImage photographedPage(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator random(3);
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        const qreal ring = 0.5 + 0.5 * qSin(y / 9.0 + 3 * qSin(y / 170.0));
        for (int x = 0; x < size.width(); ++x) {
            const int grain = int(random.bounded(21)) - 10 + int(25 * ring);
            line[x] = qRgb(qBound(0, 120 + grain, 255), qBound(0, 78 + grain * 2 / 3, 255),
                           qBound(0, 45 + grain / 3, 255));
        }
    }
    QImage sheet = linePage(QSize(1240, 1754));
    print(sheet, QColor(238, 235, 228), QColor(35, 35, 40), 4, 4);
    const qreal w = size.width();
    const qreal h = size.height();
    const QPolygonF corners = sheetCorners(size);
    const QPolygonF flat({QPointF(0, 0), QPointF(sheet.width(), 0),
                          QPointF(sheet.width(), sheet.height()), QPointF(0, sheet.height())});
    QTransform onTable;
    QTransform::quadToQuad(flat, corners, onTable);
    QPainter p(&image);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::Antialiasing);
    p.setTransform(onTable);
    p.drawImage(0, 0, sheet);
    p.end();
    shade(image, [&](int x, int y) {
        const qreal dx = x / w - 0.45;
        const qreal dy = y / h - 0.4;
        return 1 - 0.9 * (dx * dx + dy * dy);
    });
    return image;
}

QPolygonF sheetCorners(QSize photo)
{
    const qreal w = photo.width();
    const qreal h = photo.height();
    return QPolygonF({QPointF(0.22 * w, 0.08 * h), QPointF(0.84 * w, 0.13 * h),
                      QPointF(0.90 * w, 0.93 * h), QPointF(0.12 * w, 0.88 * h)});
}

QImage pageIn(Form form)
{
    switch (form) {
    case Form::Clean:
        return linePage();
    case Form::Faint:
        return faintPage();
    case Form::Coloured:
        return linePage(A4, Fill::Colours);
    case Form::Scanned:
        return scannedPage();
    case Form::Photographed:
        return photographedPage(QSize(1512, 2016));
    }
    return {};
}

QImage linePage(QSize size, Fill fill)
{
    QImage image = blankImage(size, fill);
    QPainter painter(&image);
    drawLinePage(painter, size, fill);
    painter.end();
    return fill == Fill::Clear ? image : image.convertToFormat(QImage::Format_RGB32);
}

QImage gapPage()
{
    // One page pixel is 3508 / 397 of these, as the page scales A4.
    const qreal pagePixel = A4.height() / 397.0;
    QImage image = blankImage(A4, Fill::None);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    setPen(p, Middle);
    int i = 0;
    for (int width : GapWidths) {
        const QPointF centre(600 + 1200 * (i % 2), 600 + 1100 * (i / 2));
        const qreal radius = 400;
        // The ends of the line reach out by half a pen with their round caps.
        const qreal gap = width * pagePixel + Middle;
        const qreal half = qRadiansToDegrees(gap / 2 / radius);
        p.drawArc(QRectF(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)),
                  int(half * 16), int((360 - 2 * half) * 16));
        ++i;
    }
    p.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage photograph(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(90, 140, 220));
    sky.setColorAt(0.6, QColor(220, 230, 240));
    sky.setColorAt(1, QColor(60, 90, 40));
    p.fillRect(image.rect(), sky);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    QRandomGenerator random(7);
    for (int i = 0; i < 40; ++i) {
        QRadialGradient blob(QPointF(random.bounded(size.width()), random.bounded(size.height())),
                             20 + random.bounded(200));
        blob.setColorAt(0, QColor::fromHsv(random.bounded(360), 120, random.bounded(256)));
        blob.setColorAt(1, Qt::transparent);
        p.setBrush(blob);
        p.drawRect(image.rect());
    }
    p.end();
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int grain = int(random.bounded(41)) - 20;
            const QRgb c = line[x];
            line[x] = qRgb(qBound(0, qRed(c) + grain, 255), qBound(0, qGreen(c) + grain, 255),
                           qBound(0, qBlue(c) + grain, 255));
        }
    }
    return image;
}

QByteArray encoded(const QImage &picture, const char *format, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, format, quality);
    return bytes;
}

QByteArray svgPage()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(A4);
    svg.setViewBox(QRect(QPoint(0, 0), A4));
    QPainter painter(&svg);
    drawLinePage(painter, A4);
    painter.end();
    return bytes;
}

QByteArray pdfPage(int pages)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setResolution(300);
    QPainter painter(&pdf);
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            pdf.newPage();
        drawLinePage(painter, QSize(painter.device()->width(), painter.device()->height()));
        // A block below the drawing tells the pages apart.
        if (i > 0)
            painter.fillRect(QRectF(150 + 220 * (i % 10), 3390, 100, 60), Qt::black);
    }
    painter.end();
    return bytes;
}

} // namespace testpages
