// SPDX-License-Identifier: GPL-3.0-or-later
// The border flood fill of raster.h. A click of the fill tool waits for it,
// and the child expects the colour at once, so it is written for speed: each
// pixel is read about once and written once, a stretch is painted the moment
// it is found, and the work of a fill grows with the area filled, never with
// the image. Searching and painting along a row is in rowscan.h.
#include "core/raster.h"

#include "core/rowscan.h"

#include <algorithm>
#include <bit>
#include <vector>

namespace core {

namespace {

using rowscan::isBorder;
using rowscan::RgbMask;

// Which pixels the fill has reached, a bit each, with one bit to spare past
// the last column that stays clear, so a search along a reached stretch
// always ends. It also keeps the bounds of what it has reached. The bits are
// kept from one fill to the next, all clear between fills: a large fill then
// never waits for the system to hand out and clear fresh memory (that was a
// quarter of its time), and clearing costs only the rows and columns painted.
// Fills never nest, so one set of bits per thread serves them all.
class Reached
{
public:
    Reached(int width, int height);
    ~Reached();
    Reached(const Reached &) = delete;
    Reached &operator=(const Reached &) = delete;

    bool test(int x, int y) const { return row(y)[wordOf(x)] >> bitOf(x) & 1; }
    void set(int left, int right, int y);
    // The first pixel at or after x not reached: the end of a reached stretch.
    int nextUnreached(int x, int y) const;
    QRect bounds() const { return {QPoint(m_left, m_top), QPoint(m_right, m_bottom)}; }

private:
    quint64 *row(int y) const { return m_bits + std::size_t(y) * m_words; }
    // Columns are never negative; taken as unsigned, these are a shift and a mask.
    static unsigned wordOf(int x) { return unsigned(x) / 64; }
    static unsigned bitOf(int x) { return unsigned(x) % 64; }

    std::size_t m_words;
    quint64 *m_bits;
    int m_left, m_top, m_right, m_bottom;
};

Reached::Reached(int width, int height)
    : m_words(std::size_t(width) / 64 + 1), m_left(width), m_top(height), m_right(-1), m_bottom(-1)
{
    thread_local std::vector<quint64> kept;
    kept.resize(std::max(kept.size(), m_words * std::size_t(height)));
    m_bits = kept.data();
}

Reached::~Reached()
{
    for (int y = m_top; y <= m_bottom; ++y)
        std::fill(row(y) + wordOf(m_left), row(y) + wordOf(m_right) + 1, 0);
}

void Reached::set(int left, int right, int y)
{
    quint64 *bits = row(y);
    const unsigned first = wordOf(left);
    const unsigned last = wordOf(right);
    const quint64 fromLeft = ~quint64(0) << bitOf(left);
    const quint64 toRight = ~quint64(0) >> (63 - bitOf(right));
    m_left = std::min(m_left, left);
    m_right = std::max(m_right, right);
    m_top = std::min(m_top, y);
    m_bottom = std::max(m_bottom, y);
    if (first == last) {
        bits[first] |= fromLeft & toRight;
        return;
    }
    bits[first] |= fromLeft;
    std::fill(bits + first + 1, bits + last, ~quint64(0));
    bits[last] |= toRight;
}

int Reached::nextUnreached(int x, int y) const
{
    const quint64 *bits = row(y);
    unsigned word = wordOf(x);
    const quint64 open = ~bits[word] >> bitOf(x);
    if (open != 0)
        return x + std::countr_zero(open);
    while (bits[++word] == ~quint64(0)) {
    }
    return int(word * 64) + std::countr_zero(~bits[word]);
}

// The scanline fill. A row's pixels between two border pixels (a stretch) are
// always reached together: a stretch is painted whole as soon as it is found,
// its bits set, and it is queued once to look at the rows beside it. The
// bits, not the colours, tell what is done, so a pixel that has the fill
// colour already never stops the fill.
class BorderFill
{
public:
    BorderFill(QImage &image, QRgb border, QRgb fill)
        : m_bits(image.bits()), m_bytesPerLine(image.bytesPerLine()), m_width(image.width()),
          m_height(image.height()), m_border(border), m_fill(fill), m_reached(m_width, m_height)
    {
    }

    // Fills from (x, y) and returns the bounds of what it painted.
    QRect run(int x, int y);

private:
    // A painted stretch, found from the stretch `parentLeft` to `parentRight`
    // in the row `dir` before it.
    struct Stretch
    {
        int left, right, y, dir, parentLeft, parentRight;
    };

    struct Ends
    {
        int left, right;
    };

    QRgb *line(int y) const { return reinterpret_cast<QRgb *>(m_bits + y * m_bytesPerLine); }
    void spread(const Stretch &stretch);
    void scan(int y, int left, int right, const Stretch &parent);
    Ends paint(QRgb *pixels, int x, int y);

    uchar *m_bits;
    qsizetype m_bytesPerLine;
    int m_width;
    int m_height;
    QRgb m_border;
    QRgb m_fill;
    Reached m_reached;
    // Stretches are taken a generation at a time, all those found from the
    // last before any found from them: the fill spreads as a front, and
    // stretches taken one after the other lie close in memory.
    std::vector<Stretch> m_now;
    std::vector<Stretch> m_next;
};

QRect BorderFill::run(int x, int y)
{
    if (isBorder(line(y)[x], m_border))
        return {};
    // The seed's stretch has no parent: it goes both ways, each its own
    // parent, so that neither looks back.
    const auto [left, right] = paint(line(y), x, y);
    m_next.push_back({left, right, y, 1, left, right});
    m_next.push_back({left, right, y, -1, left, right});
    while (!m_next.empty()) {
        std::swap(m_now, m_next);
        m_next.clear();
        for (const Stretch &stretch : m_now)
            spread(stretch);
    }
    return m_reached.bounds();
}

// The row ahead is searched over the whole stretch; the row it came from only
// where the stretch reaches beyond its parent, which is painted already.
void BorderFill::spread(const Stretch &stretch)
{
    const int back = stretch.y - stretch.dir;
    scan(stretch.y + stretch.dir, stretch.left, stretch.right, stretch);
    if (stretch.left < stretch.parentLeft)
        scan(back, stretch.left, std::min(stretch.right, stretch.parentLeft - 1), stretch);
    if (stretch.right > stretch.parentRight)
        scan(back, std::max(stretch.left, stretch.parentRight + 1), stretch.right, stretch);
}

// Paints each stretch of row y that meets [left, right] and is not reached yet.
void BorderFill::scan(int y, int left, int right, const Stretch &parent)
{
    if (y < 0 || y >= m_height || left > right)
        return;
    QRgb *pixels = line(y);
    // Each step ends on the border after a stretch, or beyond the range.
    for (int x = left; x <= right;) {
        x = rowscan::nextOpen(pixels, x, right + 1, m_border);
        if (x > right)
            break;
        if (m_reached.test(x, y)) {
            x = m_reached.nextUnreached(x, y);
            continue;
        }
        const Ends found = paint(pixels, x, y);
        m_next.push_back({found.left, found.right, y, y - parent.y, parent.left, parent.right});
        x = found.right + 1;
    }
}

// Paints the stretch of row y that holds x and marks it reached.
BorderFill::Ends BorderFill::paint(QRgb *pixels, int x, int y)
{
    const int left = rowscan::stretchStart(pixels, x, m_border);
    std::fill(pixels + left, pixels + x, m_fill);
    const int right = rowscan::paintToBorder(pixels, x, m_width, m_border, m_fill) - 1;
    m_reached.set(left, right, y);
    return {left, right};
}

} // namespace

QRect FloodFill(QImage &image, int x, int y, QRgb border, QRgb fill)
{
    if (!image.rect().contains(x, y))
        return {};
    if (image.format() != QImage::Format_RGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    return BorderFill(image, border & RgbMask, fill | 0xFF000000).run(x, y);
}

} // namespace core
