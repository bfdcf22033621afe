// SPDX-License-Identifier: GPL-3.0-or-later
// The steps that bring the ink onto the page: the scaling, and the page
// made whole.
#include "core/page.h"

#include <QPainter>

#include <algorithm>
#include <vector>

namespace core::page {

namespace {

constexpr uchar Ink = 0;
constexpr uchar Paper = 255;

// The picture pixels [from, to) that a page pixel takes along one side.
struct Share
{
    int from;
    int to;
};

// Page pixel i starts at picture pixel i * length / fitted and ends where
// the next one starts, or one pixel further when enlarging.
std::vector<Share> shareOut(int pictureLength, int pageLength)
{
    const auto start = [&](int i) { return int(qint64(i) * pictureLength / pageLength); };
    std::vector<Share> shares(pageLength);
    for (int i = 0; i < pageLength; ++i)
        shares[i] = {start(i), std::max(start(i + 1), start(i) + 1)};
    return shares;
}

// Marks in `black` the page pixels of this row whose share of the picture
// row has ink.
void markInk(const uchar *line, const std::vector<Share> &columns, std::vector<uchar> &black)
{
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (black[i])
            continue;
        const uchar *end = line + columns[i].to;
        black[i] = std::find(line + columns[i].from, end, Ink) != end;
    }
}

// Whether ink reaches an edge of the picture. There the edge closes areas,
// as the edge of the canvas closes the fill; on the page the margin would
// join them.
bool inkAtEdge(const QImage &ink)
{
    const auto hasInk = [](const uchar *from, const uchar *to) {
        return std::find(from, to, Ink) != to;
    };
    const int last = ink.height() - 1;
    if (hasInk(ink.constScanLine(0), ink.constScanLine(0) + ink.width()) ||
        hasInk(ink.constScanLine(last), ink.constScanLine(last) + ink.width()))
        return true;
    for (int y = 0; y < ink.height(); ++y)
        if (ink.constScanLine(y)[0] == Ink || ink.constScanLine(y)[ink.width() - 1] == Ink)
            return true;
    return false;
}

void drawFrame(QImage &page, const QRect &frame)
{
    for (int x = frame.left(); x <= frame.right(); ++x)
        page.scanLine(frame.top())[x] = page.scanLine(frame.bottom())[x] = Ink;
    for (int y = frame.top(); y <= frame.bottom(); ++y)
        page.scanLine(y)[frame.left()] = page.scanLine(y)[frame.right()] = Ink;
}

} // namespace

QRect fittedRect(QSize size)
{
    if (size.isEmpty())
        return {};
    const QSize fitted =
        size.scaled(Room, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)).boundedTo(Room);
    const QPoint corner((Size.width() - fitted.width()) / 2, (Size.height() - fitted.height()) / 2);
    return {corner, fitted};
}

QImage fitToPage(const QImage &ink)
{
    QImage page(Size, QImage::Format_Grayscale8);
    page.fill(Paper);
    const QRect box = fittedRect(ink.size());
    if (box.isEmpty())
        return page;
    const std::vector<Share> columns = shareOut(ink.width(), box.width());
    const std::vector<Share> rows = shareOut(ink.height(), box.height());
    std::vector<uchar> black(box.width());
    for (int y = 0; y < box.height(); ++y) {
        std::fill(black.begin(), black.end(), 0);
        for (int row = rows[y].from; row < rows[y].to; ++row)
            markInk(ink.constScanLine(row), columns, black);
        uchar *to = page.scanLine(box.top() + y) + box.left();
        for (int x = 0; x < box.width(); ++x)
            to[x] = black[x] ? Ink : Paper;
    }
    if (inkAtEdge(ink))
        drawFrame(page, box.adjusted(-1, -1, 1, 1));
    return page;
}

QImage fitPreview(const QImage &picture, const QPolygonF &outline)
{
    QImage preview(Size, QImage::Format_RGB32);
    preview.fill(Qt::white);
    const QRect box = fittedRect(picture.size());
    if (box.isEmpty())
        return preview;
    QPainter painter(&preview);
    painter.drawImage(box,
                      picture.scaled(box.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    if (!outline.isEmpty()) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(box.topLeft());
        painter.scale(qreal(box.width()) / picture.width(), qreal(box.height()) / picture.height());
        // Two pixels wide on the screen, in a strong green that stands out
        // on paper, tables and shadows alike.
        painter.setPen(QPen(QColor(0, 200, 60), 2 * picture.width() / qreal(box.width())));
        painter.drawPolygon(outline);
    }
    return preview;
}

QImage finishPage(const QImage &ink, const Options &options)
{
    QImage page = fitToPage(ink);
    removeSpecks(page);
    if (options.closeGaps)
        closeGaps(page);
    fillWhiteIslands(page);
    QImage bitmap(Size, QImage::Format_Mono);
    bitmap.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    // Also the bits past the last pixel of each row.
    bitmap.fill(0);
    for (int y = 0; y < Size.height(); ++y) {
        const uchar *from = page.constScanLine(y);
        for (int x = 0; x < Size.width(); ++x)
            bitmap.setPixel(x, y, from[x] == Ink ? 1 : 0);
    }
    return bitmap;
}

} // namespace core::page
