// The border flood fill of raster.h. A click of the fill tool waits for it,
// and the child expects the colour at once, so it is written for speed: each
// pixel is read about once and written once, and what it keeps on the side
// grows with the filled area, never with the image.
#include "core/raster.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace core {

namespace {

constexpr QRgb RgbMask = 0x00FFFFFF;

// Long rows are searched and painted four pixels to a vector (a GCC and
// Clang extension that becomes plain code where the processor has none), so
// the speed does not hang on what the optimizer makes of a plain loop.
using Four = quint32 __attribute__((vector_size(16)));
constexpr int Chunk = 8;

bool isBorder(QRgb pixel, QRgb border)
{
    return (pixel & RgbMask) == border;
}

// All ones in each lane whose pixel is border.
Four borderLanes(const QRgb *pixels, QRgb border)
{
    Four four;
    std::memcpy(&four, pixels, sizeof four);
    return Four((four & RgbMask) == border);
}

bool anyLane(Four lanes)
{
    return (lanes[0] | lanes[1] | lanes[2] | lanes[3]) != 0;
}

bool chunkHasBorder(const QRgb *pixels, QRgb border)
{
    return anyLane(borderLanes(pixels, border) | borderLanes(pixels + 4, border));
}

bool chunkIsAllBorder(const QRgb *pixels, QRgb border)
{
    return !anyLane(~(borderLanes(pixels, border) & borderLanes(pixels + 4, border)));
}

void paintStretch(QRgb *from, QRgb *to, QRgb color)
{
    const Four four = {color, color, color, color};
    for (; to - from >= 4; from += 4)
        std::memcpy(from, &four, sizeof four);
    std::fill(from, to, color);
}

// The first border pixel of [x, end), or end. Where fewer than a chunk are
// left, the last whole chunk of the range answers for them in one test.
int nextBorder(const QRgb *line, int x, int end, QRgb border)
{
    while (x + Chunk <= end && !chunkHasBorder(line + x, border))
        x += Chunk;
    if (x + Chunk > end && end >= Chunk && !chunkHasBorder(line + end - Chunk, border))
        return end;
    while (x < end && !isBorder(line[x], border))
        ++x;
    return x;
}

// The first pixel of [x, end) that is not border, or end. Lines are thin, so
// the first pixel is tried on its own.
int nextOpen(const QRgb *line, int x, int end, QRgb border)
{
    if (x < end && !isBorder(line[x], border))
        return x;
    while (x + Chunk <= end && chunkIsAllBorder(line + x, border))
        x += Chunk;
    while (x < end && isBorder(line[x], border))
        ++x;
    return x;
}

// Where the stretch of pixels without border that holds x begins.
int stretchStart(const QRgb *line, int x, QRgb border)
{
    while (x >= Chunk && !chunkHasBorder(line + x - Chunk, border))
        x -= Chunk;
    while (x > 0 && !isBorder(line[x - 1], border))
        --x;
    return x;
}

// Which pixels the fill has reached, a bit each. The rows reached are always
// one band around the seed's row, so the band grows a row at a time at either
// end and costs what the filled area costs, never the whole image.
class Reached
{
public:
    Reached(int width, int seedRow) : m_words((width + 63) / 64), m_seedRow(seedRow) {}

    bool test(int x, int y) { return row(y)[x / 64] >> (x % 64) & 1; }
    void set(int left, int right, int y);

private:
    // Rows come in blocks, so that a large fill asks for memory seldom and a
    // small one asks for little.
    static constexpr std::size_t RowsPerBlock = 16;
    using Blocks = std::vector<std::unique_ptr<quint64[]>>;

    quint64 *row(int y)
    {
        const bool below = y >= m_seedRow;
        Blocks &blocks = below ? m_fromSeedDown : m_aboveSeed;
        const std::size_t index = below ? y - m_seedRow : m_seedRow - 1 - y;
        while (index / RowsPerBlock >= blocks.size())
            addBlock(blocks);
        return blocks[index / RowsPerBlock].get() + index % RowsPerBlock * m_words;
    }
    void addBlock(Blocks &blocks);

    std::size_t m_words;
    int m_seedRow;
    // The rows from the seed's down, and those above it, nearest first.
    Blocks m_fromSeedDown;
    Blocks m_aboveSeed;
};

void Reached::addBlock(Blocks &blocks)
{
    blocks.push_back(std::make_unique<quint64[]>(RowsPerBlock * m_words));
}

void Reached::set(int left, int right, int y)
{
    quint64 *bits = row(y);
    const int first = left / 64;
    const int last = right / 64;
    const quint64 fromLeft = ~quint64(0) << (left % 64);
    const quint64 toRight = ~quint64(0) >> (63 - right % 64);
    if (first == last) {
        bits[first] |= fromLeft & toRight;
        return;
    }
    bits[first] |= fromLeft;
    std::fill(bits + first + 1, bits + last, ~quint64(0));
    bits[last] |= toRight;
}

// The scanline fill. A row's pixels between two border pixels (a stretch) are
// always reached together, so a stretch is painted at once, and one bit of it
// tells whether it is done. Pixels are painted as they are reached: the bits,
// not the colours, tell what is done, so a pixel that has the fill colour
// already never stops the fill.
class BorderFill
{
public:
    BorderFill(QImage &image, QRgb border, QRgb fill, int seedRow)
        : m_bits(image.bits()), m_bytesPerLine(image.bytesPerLine()), m_width(image.width()),
          m_height(image.height()), m_border(border), m_fill(fill), m_reached(m_width, seedRow)
    {
    }

    // Fills from (x, y), which must lie on `seedRow`.
    void run(int x, int y);

private:
    // Part of a stretch yet to paint, found from the stretch `parentLeft` to
    // `parentRight` in the row `dir` before it.
    struct Run
    {
        int left, right, y, dir, parentLeft, parentRight;
    };

    QRgb *line(int y) const { return reinterpret_cast<QRgb *>(m_bits + y * m_bytesPerLine); }
    void paint(const Run &run);
    void scan(int y, int left, int right, const Run &parent);

    uchar *m_bits;
    qsizetype m_bytesPerLine;
    int m_width;
    int m_height;
    QRgb m_border;
    QRgb m_fill;
    Reached m_reached;
    std::vector<Run> m_runs;
};

void BorderFill::run(int x, int y)
{
    if (isBorder(line(y)[x], m_border))
        return;
    // No parent: the empty stretch from 1 to 0 leaves both rows to search.
    m_runs.push_back({x, x, y, 1, 1, 0});
    while (!m_runs.empty()) {
        const Run run = m_runs.back();
        m_runs.pop_back();
        if (!m_reached.test(run.left, run.y))
            paint(run);
    }
}

// Paints the whole stretch and queues what lies next to it: in the row it
// came from only what lies beyond its parent, which is painted already; the
// row ahead last, so that it is taken first and the fill sweeps on.
void BorderFill::paint(const Run &run)
{
    QRgb *pixels = line(run.y);
    const int left = stretchStart(pixels, run.left, m_border);
    const int right = nextBorder(pixels, run.right + 1, m_width, m_border) - 1;
    paintStretch(pixels + left, pixels + right + 1, m_fill);
    m_reached.set(left, right, run.y);
    const Run self{left, right, run.y, run.dir, 0, 0};
    const int back = run.y - run.dir;
    scan(back, left, std::min(right, run.parentLeft - 1), self);
    scan(back, std::max(left, run.parentRight + 1), right, self);
    scan(run.y + run.dir, left, right, self);
}

// Queues each stretch of row y that meets [left, right] and is not reached yet.
void BorderFill::scan(int y, int left, int right, const Run &parent)
{
    if (y < 0 || y >= m_height || left > right)
        return;
    const QRgb *pixels = line(y);
    const int dir = y - parent.y;
    int x = nextOpen(pixels, left, right + 1, m_border);
    while (x <= right) {
        const int end = nextBorder(pixels, x, right + 1, m_border);
        if (!m_reached.test(x, y))
            m_runs.push_back({x, end - 1, y, dir, parent.left, parent.right});
        x = nextOpen(pixels, end, right + 1, m_border);
    }
}

} // namespace

void FloodFill(QImage &image, int x, int y, QRgb border, QRgb fill)
{
    if (!image.rect().contains(x, y))
        return;
    if (image.format() != QImage::Format_RGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    BorderFill(image, border & RgbMask, fill | 0xFF000000, y).run(x, y);
}

} // namespace core
