// SPDX-License-Identifier: GPL-3.0-or-later
// The steps that tidy the page once it has its size. A page has only
// 144 377 pixels, so they work on plain arrays of it.
#include "core/page.h"

#include <set>
#include <vector>

namespace core::page {

namespace {

constexpr uchar Ink = 0;
constexpr uchar Paper = 255;

// The pieces of one kind of pixel: which piece each pixel is in (-1 for the
// other kind) and the size of each piece.
struct Pieces
{
    std::vector<int> of;
    std::vector<int> sizes;
};

// Labels the pixels for which `wanted(i)` holds, the index being y * width
// + x; neighbours share an edge, or with `diagonal` also a corner.
template <typename Wanted> Pieces findPieces(int width, int height, bool diagonal, Wanted wanted)
{
    Pieces pieces{std::vector<int>(std::size_t(width) * height, -1), {}};
    std::vector<int> todo;
    for (int start = 0; start < width * height; ++start) {
        if (pieces.of[start] >= 0 || !wanted(start))
            continue;
        const int label = int(pieces.sizes.size());
        pieces.sizes.push_back(0);
        pieces.of[start] = label;
        todo.push_back(start);
        while (!todo.empty()) {
            const int i = todo.back();
            todo.pop_back();
            ++pieces.sizes[label];
            const int x = i % width;
            const int y = i / width;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx;
                    const int ny = y + dy;
                    if ((dx == 0 && dy == 0) || (!diagonal && dx != 0 && dy != 0) || nx < 0 ||
                        ny < 0 || nx >= width || ny >= height)
                        continue;
                    const int n = ny * width + nx;
                    if (pieces.of[n] < 0 && wanted(n)) {
                        pieces.of[n] = label;
                        todo.push_back(n);
                    }
                }
            }
        }
    }
    return pieces;
}

// The page's pixels in one array, row after row.
std::vector<uchar> pixelsOf(const QImage &page)
{
    std::vector<uchar> pixels(std::size_t(page.width()) * page.height());
    for (int y = 0; y < page.height(); ++y)
        std::copy_n(page.constScanLine(y), page.width(), pixels.begin() + y * page.width());
    return pixels;
}

// Paints `value` on every pixel of a piece for which `chosen(label)` holds.
template <typename Chosen>
void paintPieces(QImage &page, const Pieces &pieces, uchar value, Chosen chosen)
{
    for (int y = 0; y < page.height(); ++y) {
        uchar *line = page.scanLine(y);
        for (int x = 0; x < page.width(); ++x) {
            const int label = pieces.of[y * page.width() + x];
            if (label >= 0 && chosen(label))
                line[x] = value;
        }
    }
}

// Sums over the rectangles from the corner: sums[(y + 1) * (width + 1) + x + 1]
// counts the marked pixels of [0, x] x [0, y].
class Sums
{
public:
    Sums(int width, int height, const std::vector<bool> &marked)
        : m_width(width), m_sums(std::size_t(width + 1) * (height + 1), 0)
    {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                at(x + 1, y + 1) = marked[y * width + x] + at(x, y + 1) + at(x + 1, y) - at(x, y);
    }
    // The marked pixels of the rectangle, which must lie inside.
    int count(int left, int top, int right, int bottom) const
    {
        return at(right + 1, bottom + 1) - at(left, bottom + 1) - at(right + 1, top) +
               at(left, top);
    }

private:
    int &at(int x, int y) { return m_sums[y * (m_width + 1) + x]; }
    int at(int x, int y) const { return m_sums[y * (m_width + 1) + x]; }

    int m_width;
    std::vector<int> m_sums;
};

// Which white pixels lie in some all-white square of `side` pixels.
std::vector<bool> coresOf(const std::vector<uchar> &pixels, int width, int height, int side)
{
    std::vector<bool> ink(pixels.size());
    for (std::size_t i = 0; i < pixels.size(); ++i)
        ink[i] = pixels[i] == Ink;
    const Sums inkSums(width, height, ink);
    std::vector<bool> corner(pixels.size(), false);
    for (int y = 0; y + side <= height; ++y)
        for (int x = 0; x + side <= width; ++x)
            corner[y * width + x] = inkSums.count(x, y, x + side - 1, y + side - 1) == 0;
    const Sums cornerSums(width, height, corner);
    std::vector<bool> core(pixels.size(), false);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            core[y * width + x] =
                cornerSums.count(std::max(0, x - side + 1), std::max(0, y - side + 1), x, y) > 0;
    return core;
}

// For each narrow piece, whether it touches two different cores.
std::vector<bool> joinsTwoCores(const Pieces &narrow, const Pieces &cores, int width, int height)
{
    std::vector<std::set<int>> touched(narrow.sizes.size());
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int label = narrow.of[y * width + x];
            if (label < 0)
                continue;
            const int around[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
            for (const auto &[nx, ny] : around)
                if (nx >= 0 && ny >= 0 && nx < width && ny < height &&
                    cores.of[ny * width + nx] >= 0)
                    touched[label].insert(cores.of[ny * width + nx]);
        }
    }
    std::vector<bool> joins(touched.size());
    for (std::size_t i = 0; i < touched.size(); ++i)
        joins[i] = touched[i].size() >= 2;
    return joins;
}

} // namespace

void removeSpecks(QImage &page, int maxSpeck)
{
    const std::vector<uchar> pixels = pixelsOf(page);
    const Pieces black =
        findPieces(page.width(), page.height(), true, [&](int i) { return pixels[i] == Ink; });
    paintPieces(page, black, Paper, [&](int label) { return black.sizes[label] <= maxSpeck; });
}

void closeGaps(QImage &page, int maxGap)
{
    const int width = page.width();
    const int height = page.height();
    const std::vector<uchar> pixels = pixelsOf(page);
    const std::vector<bool> core = coresOf(pixels, width, height, maxGap + 1);
    const Pieces cores = findPieces(width, height, false, [&](int i) { return bool(core[i]); });
    const Pieces narrow =
        findPieces(width, height, false, [&](int i) { return pixels[i] == Paper && !core[i]; });
    const std::vector<bool> joins = joinsTwoCores(narrow, cores, width, height);
    paintPieces(page, narrow, Ink, [&](int label) { return bool(joins[label]); });
}

void fillWhiteIslands(QImage &page, int minArea)
{
    const std::vector<uchar> pixels = pixelsOf(page);
    const Pieces white =
        findPieces(page.width(), page.height(), false, [&](int i) { return pixels[i] == Paper; });
    paintPieces(page, white, Ink, [&](int label) { return white.sizes[label] < minArea; });
}

} // namespace core::page
