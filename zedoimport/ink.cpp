// SPDX-License-Identifier: GPL-3.0-or-later
#include "zedoimport/ink.h"

#include <leptonica/allheaders.h>

#include <algorithm>

namespace zedoimport::ink {

namespace {

// A line is ink where three things hold. It is darker than the paper beside
// it by at least this share of the way to the darkest light close by, so
// that faint lines and black ones keep their width: a pixel about half
// covered by a line is ink, and the middle of a line always is.
constexpr int LineDepth = 37;
constexpr int DarkestReach = 5;
// It gives back less than this share of the light of the paper beside it,
// and at least this much less in all, so that grain is not ink.
constexpr int LineShare = 85;
constexpr int LineDifference = 28;
// Black is ink wherever it is, even filling an area: below this share of
// the paper's light, and hardly coloured. Navy, dark green and brown are
// darker than this but strongly coloured; a mid grey is lighter.
constexpr int BlackShare = 40;
constexpr int BlackColour = 48;
// The paper beside a line is the brightest light near it, within a square
// wider than the boldest line (this share of the picture's shorter side)...
constexpr int LineReachPerMille = 20;
// ... and the paper of the page the brightest within a quarter of the
// picture, looked for at an eighth of its size, so that the shadow of a
// binding or the falling light of a photograph stays paper while a black
// area stays black.
constexpr int PaperReachShare = 4;
constexpr int PaperReduction = 8;

int oddAtLeastOne(int size)
{
    return std::max(1, size | 1);
}

// A grey closing, which fills every dark thing narrower than the square and
// nothing wider. Beyond the edges the picture goes on as it ends, so that a
// shadow that darkens towards an edge is followed there too.
PixPtr closed(Pix *light, int reach)
{
    const int border = reach / 2 + 1;
    const PixPtr wider = own(pixAddContinuedBorder(light, border, border, border, border));
    const PixPtr closing = own(pixCloseGray(wider.get(), reach, reach));
    return own(pixRemoveBorder(closing.get(), border));
}

int lineReach(Pix *light)
{
    const int shorter = std::min(pixGetWidth(light), pixGetHeight(light));
    return oddAtLeastOne(shorter * LineReachPerMille / 1000);
}

// How much smaller the paper of the page is looked for.
int paperReduction(Pix *light)
{
    const int shorter = std::min(pixGetWidth(light), pixGetHeight(light));
    return std::clamp(shorter / 16, 1, PaperReduction);
}

// The light of the paper over the page, at 1 / `reduction` of the size.
PixPtr paperOfPage(Pix *light, int reduction)
{
    const PixPtr small = reduction > 1
                             ? own(pixScaleGrayMinMax(light, reduction, reduction, L_CHOOSE_MAX))
                             : own(pixCopy(nullptr, light));
    const int smallShorter = std::min(pixGetWidth(small.get()), pixGetHeight(small.get()));
    const int reach = oddAtLeastOne(smallShorter / PaperReachShare);
    // Not smoothed after: a closing follows a shadow that darkens steadily
    // as it is, where smoothing would lift its dark end above it.
    return closed(small.get(), reach);
}

// What is known of the light around each pixel.
struct Surroundings
{
    PixPtr light;       // the picture's light, its grain smoothed
    PixPtr besideLines; // the paper beside any line
    PixPtr darkest;     // the darkest light close by
    int reduction;
    PixPtr page; // the paper of the page, at 1 / reduction of the size

    explicit Surroundings(Pix *picture)
        // The mean of three by three takes the grain of paper and sensor.
        : light(own(pixBlockconv(picture, 1, 1))),
          besideLines(closed(light.get(), lineReach(light.get()))),
          darkest(own(pixErodeGray(light.get(), DarkestReach, DarkestReach))),
          reduction(paperReduction(light.get())), page(paperOfPage(light.get(), reduction))
    {
    }
    // The rows of the light around the pixels of row y, found once a row
    // rather than once a pixel.
    struct Rows
    {
        const l_uint32 *light, *besideLines, *darkest, *page;
    };
    Rows rowsAt(int y) const
    {
        const int pageY = std::min(y / reduction, pixGetHeight(page.get()) - 1);
        return {row(light, y), row(besideLines, y), row(darkest, y), row(page, pageY)};
    }

    bool isInk(const Rows &rows, int x, int colour) const
    {
        const int here = GET_DATA_BYTE(rows.light, x);
        const int near = GET_DATA_BYTE(rows.besideLines, x);
        const int paper = GET_DATA_BYTE(rows.page, std::min(x / reduction, m_pageWidth - 1));
        const bool line =
            100 * (near - here) >= LineDepth * (near - GET_DATA_BYTE(rows.darkest, x)) &&
            100 * here < LineShare * near && near - here >= LineDifference;
        const bool black = 100 * here < BlackShare * paper && colour < BlackColour;
        return line || black;
    }

private:
    static const l_uint32 *row(const PixPtr &pix, int y)
    {
        return pixGetData(pix.get()) + y * pixGetWpl(pix.get());
    }
    int m_pageWidth = pixGetWidth(page.get());
};

} // namespace

Channels channelsOf(Pix *rgb)
{
    return {own(pixConvertRGBToGrayMinMax(rgb, L_CHOOSE_MAX)),
            own(pixConvertRGBToGrayMinMax(rgb, L_CHOOSE_MAXDIFF))};
}

PixPtr inkOf(const Channels &channels)
{
    const Surroundings around(channels.light.get());
    const int width = pixGetWidth(channels.light.get());
    const int height = pixGetHeight(channels.light.get());
    PixPtr ink = own(pixCreate(width, height, 1));
    for (int y = 0; y < height; ++y) {
        const l_uint32 *colour =
            pixGetData(channels.colour.get()) + y * pixGetWpl(channels.colour.get());
        l_uint32 *to = pixGetData(ink.get()) + y * pixGetWpl(ink.get());
        const Surroundings::Rows rows = around.rowsAt(y);
        for (int x = 0; x < width; ++x)
            if (around.isInk(rows, x, GET_DATA_BYTE(colour, x)))
                SET_DATA_BIT(to, x);
    }
    return ink;
}

} // namespace zedoimport::ink
