// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagecheck.h"

#include "core/page.h"

#include <algorithm>
#include <map>
#include <set>
#include <utility>
#include <vector>

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

// An explicit stack over plain arrays: the pictures have millions of pixels,
// and the tests also run in slow sanitizer builds.
Pieces label(int width, int height, const QList<bool> &wanted, bool diagonal)
{
    Pieces pieces{width, QList<int>(wanted.size(), -1), {}};
    int *of = pieces.of.data();
    const bool *want = wanted.constData();
    std::vector<int> stack;
    for (int start = 0; start < int(wanted.size()); ++start) {
        if (!want[start] || of[start] >= 0)
            continue;
        const int piece = int(pieces.sizes.size());
        int size = 0;
        of[start] = piece;
        stack.push_back(start);
        while (!stack.empty()) {
            const int i = stack.back();
            stack.pop_back();
            ++size;
            const int x = i % width;
            const int y = i / width;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    if ((dx != 0 && dy != 0 && !diagonal) || x + dx < 0 || y + dy < 0 ||
                        x + dx >= width || y + dy >= height)
                        continue;
                    const int j = i + dy * width + dx;
                    if (want[j] && of[j] < 0) {
                        of[j] = piece;
                        stack.push_back(j);
                    }
                }
            }
        }
        pieces.sizes.append(size);
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
    std::pair<int, int> last(-1, -1); // runs of the same pair are many
    for (int y = 0; y < original.height(); ++y) {
        for (int x = 0; x < original.width(); ++x) {
            const int area = before.at(QPoint(x, y));
            const int pageArea = area >= 0 ? after.at(landing.of(x, y)) : -1;
            if (pageArea >= 0 && big[area] && std::pair(area, pageArea) != last) {
                holds[pageArea].insert(area);
                shown.insert(area);
                last = {area, pageArea};
            }
        }
    }
    areas.kept = int(shown.size());
    areas.joined = int(std::count_if(holds.begin(), holds.end(),
                                     [](const std::set<int> &h) { return h.size() > 1; }));
    return areas;
}

namespace {

QList<QRect> boundsOf(const Pieces &pieces)
{
    QList<QRect> bounds(pieces.sizes.size());
    for (int i = 0; i < int(pieces.of.size()); ++i)
        if (pieces.of[i] >= 0)
            bounds[pieces.of[i]] |= QRect(i % pieces.width, i / pieces.width, 1, 1);
    return bounds;
}

bool near(int length, int cleanLength)
{
    return std::abs(length - cleanLength) <= std::max(3, cleanLength / 10);
}

} // namespace

Likeness likeness(const QImage &clean, const QImage &other, int minArea)
{
    const Pieces areas = whitePieces(clean);
    const Pieces others = whitePieces(other);
    const QList<QRect> bounds = boundsOf(areas);
    const QList<QRect> otherBounds = boundsOf(others);
    Likeness likeness;
    likeness.areas = int(std::count_if(areas.sizes.begin(), areas.sizes.end(),
                                       [&](int size) { return size >= minArea; }));
    QList<std::map<int, int>> covered(areas.sizes.size());
    for (int i = 0; i < int(areas.of.size()); ++i)
        if (areas.of[i] >= 0 && others.of[i] >= 0)
            ++covered[areas.of[i]][others.of[i]];
    QList<int> claims(others.sizes.size(), 0);
    QList<int> match(areas.sizes.size(), -1);
    for (qsizetype area = 0; area < areas.sizes.size(); ++area) {
        if (areas.sizes[area] * 2 < minArea || covered[area].empty())
            continue;
        const auto most = std::max_element(covered[area].begin(), covered[area].end(),
                                           [](auto a, auto b) { return a.second < b.second; });
        match[area] = most->first;
        ++claims[match[area]];
    }
    for (qsizetype area = 0; area < areas.sizes.size(); ++area) {
        const int m = match[area];
        likeness.matched += areas.sizes[area] >= minArea && m >= 0 && claims[m] == 1 &&
                            others.sizes[m] * 5 >= areas.sizes[area] * 4 &&
                            near(otherBounds[m].width(), bounds[area].width()) &&
                            near(otherBounds[m].height(), bounds[area].height());
    }
    for (qsizetype m = 0; m < others.sizes.size(); ++m)
        likeness.extra += others.sizes[m] >= minArea && claims[m] == 0;
    likeness.black = int(greyBelow(clean, 128, true).count(true));
    likeness.otherBlack = int(greyBelow(other, 128, true).count(true));
    return likeness;
}

int brokenLines(const QImage &original, const QImage &page)
{
    const Pieces lines = blackPieces(original, 64);
    const Pieces pageLines = blackPieces(page);
    const Landing landing(original.size());
    QList<std::set<int>> landsOn(lines.sizes.size());
    std::pair<int, int> last(-1, -1);
    for (int y = 0; y < original.height(); ++y) {
        for (int x = 0; x < original.width(); ++x) {
            const int line = lines.at(QPoint(x, y));
            const std::pair<int, int> pair(line, line >= 0 ? pageLines.at(landing.of(x, y)) : 0);
            if (line >= 0 && pair != last) {
                landsOn[line].insert(pair.second);
                last = pair;
            }
        }
    }
    return int(std::count_if(landsOn.begin(), landsOn.end(), [](const std::set<int> &on) {
        return on.size() - on.count(-1) != 1;
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
