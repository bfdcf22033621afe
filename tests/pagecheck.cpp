#include "pagecheck.h"

#include "core/page.h"

#include <algorithm>
#include <set>

namespace pagecheck {

namespace {

QList<bool> greyBelow(const QImage &image, int level, bool below)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QList<bool> wanted(qsizetype(rgb.width()) * rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            wanted[y * rgb.width() + x] = (qGray(line[x]) < level) == below;
    }
    return wanted;
}

Pieces label(int width, int height, const QList<bool> &wanted, bool diagonal)
{
    Pieces pieces{width, QList<int>(wanted.size(), -1), {}};
    QList<int> stack;
    for (int start = 0; start < wanted.size(); ++start) {
        if (!wanted[start] || pieces.of[start] >= 0)
            continue;
        const int piece = int(pieces.sizes.size());
        pieces.sizes.append(0);
        pieces.of[start] = piece;
        stack.append(start);
        while (!stack.isEmpty()) {
            const int i = stack.takeLast();
            ++pieces.sizes[piece];
            const QPoint p(i % width, i / width);
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const QPoint n = p + QPoint(dx, dy);
                    if ((dx != 0 && dy != 0 && !diagonal) || n.x() < 0 || n.y() < 0 ||
                        n.x() >= width || n.y() >= height)
                        continue;
                    const int j = n.y() * width + n.x();
                    if (wanted[j] && pieces.of[j] < 0) {
                        pieces.of[j] = piece;
                        stack.append(j);
                    }
                }
            }
        }
    }
    return pieces;
}

// Which page pixel each picture pixel along one side lands in: page pixel i
// takes the picture's pixels from i * length / fitted up to the next one's.
QList<int> landing(int length, int fitted)
{
    QList<int> to(length);
    for (int i = 0; i < fitted; ++i) {
        const int from = int(qint64(i) * length / fitted);
        const int end = std::max(from + 1, int(qint64(i + 1) * length / fitted));
        for (int s = from; s < std::min(end, length); ++s)
            to[s] = i;
    }
    return to;
}

// Maps pixels of the original to the page pixels they land in.
struct Landing
{
    explicit Landing(QSize original)
        : box(core::page::fittedRect(original)), columns(landing(original.width(), box.width())),
          rows(landing(original.height(), box.height()))
    {
    }
    QPoint of(int x, int y) const { return box.topLeft() + QPoint(columns[x], rows[y]); }

    QRect box;
    QList<int> columns;
    QList<int> rows;
};

} // namespace

Pieces whitePieces(const QImage &image, int level)
{
    return label(image.width(), image.height(), greyBelow(image, level, false), false);
}

Pieces blackPieces(const QImage &image, int level)
{
    return label(image.width(), image.height(), greyBelow(image, level, true), true);
}

Areas compareAreas(const QImage &original, const QImage &page, int minArea)
{
    const Pieces before = whitePieces(original);
    const Pieces after = whitePieces(page);
    const Landing landing(original.size());
    const double pagePixels = double(landing.box.width()) * landing.box.height() /
                              (double(original.width()) * original.height());
    Areas areas;
    QList<bool> big(before.sizes.size());
    for (qsizetype i = 0; i < before.sizes.size(); ++i) {
        big[i] = before.sizes[i] * pagePixels >= minArea;
        areas.big += big[i];
    }
    // What each page area holds of the big areas, and which big areas show.
    QList<std::set<int>> holds(after.sizes.size());
    std::set<int> shown;
    for (int y = 0; y < original.height(); ++y) {
        for (int x = 0; x < original.width(); ++x) {
            const int area = before.at(QPoint(x, y));
            const int pageArea = area >= 0 ? after.at(landing.of(x, y)) : -1;
            if (pageArea >= 0 && big[area]) {
                holds[pageArea].insert(area);
                shown.insert(area);
            }
        }
    }
    areas.kept = int(shown.size());
    areas.joined = int(std::count_if(holds.begin(), holds.end(),
                                     [](const std::set<int> &h) { return h.size() > 1; }));
    return areas;
}

int brokenLines(const QImage &original, const QImage &page)
{
    const Pieces lines = blackPieces(original, 64);
    const Pieces pageLines = blackPieces(page);
    const Landing landing(original.size());
    QList<std::set<int>> landsOn(lines.sizes.size());
    for (int y = 0; y < original.height(); ++y) {
        for (int x = 0; x < original.width(); ++x) {
            const int line = lines.at(QPoint(x, y));
            if (line >= 0)
                landsOn[line].insert(pageLines.at(landing.of(x, y)));
        }
    }
    return int(std::count_if(landsOn.begin(), landsOn.end(), [](const std::set<int> &on) {
        return on.size() > 1 || on.count(-1) > 0;
    }));
}

bool onlyBlackAndWhite(const QImage &page)
{
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (page.pixel(x, y) != qRgb(0, 0, 0) && page.pixel(x, y) != qRgb(255, 255, 255))
                return false;
    return true;
}

int smallestBlack(const QImage &page)
{
    const QList<int> sizes = blackPieces(page).sizes;
    return sizes.isEmpty() ? 0 : *std::min_element(sizes.begin(), sizes.end());
}

int smallestWhite(const QImage &page)
{
    const QList<int> sizes = whitePieces(page).sizes;
    return sizes.isEmpty() ? 0 : *std::min_element(sizes.begin(), sizes.end());
}

} // namespace pagecheck
