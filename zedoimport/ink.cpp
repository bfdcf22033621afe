#include "zedoimport/ink.h"

#include <leptonica/allheaders.h>

#include <algorithm>

namespace zedoimport::ink {

namespace {

// A line is ink where it is darker than the paper beside it by more than
// this share of the way to the darkest light near it, so that faint lines
// and black ones keep their width (a pixel half covered by a line is ink);
// and where it gives back less than this share of the light of
// the paper, and at least this much less in all, so that grain is not ink.
constexpr int LineShare = 85;
constexpr int LineDifference = 28;
constexpr int DarkestReach = 5;
constexpr int LineDepth = 37;
// Black is ink wherever it is, even filling an area: below this share of
// the paper's light, and hardly coloured. Navy, dark green and brown are
// darker than this but strongly coloured; a mid grey is lighter.
constexpr int BlackShare = 40;
constexpr int BlackColour = 48;
// The paper beside a line is the brightest light near it, within a square
// wider than the boldest line (this share of the picture's shorter side)...
constexpr int LineReachPerMille = 20;
// ... and the paper of the page is the brightest light within a quarter of
// it, followed smoothly, so that the shadow of a binding or the falling light
// of a photograph stays paper while a black area stays black.
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

// The light of the paper over the page, at a fraction of the size.
PixPtr paperOfPage(Pix *light, int &reduction)
{
    const int shorter = std::min(pixGetWidth(light), pixGetHeight(light));
    reduction = std::clamp(shorter / 16, 1, PaperReduction);
    const PixPtr small = reduction > 1
                             ? own(pixScaleGrayMinMax(light, reduction, reduction, L_CHOOSE_MAX))
                             : own(pixCopy(nullptr, light));
    const int smallShorter = std::min(pixGetWidth(small.get()), pixGetHeight(small.get()));
    const int reach = oddAtLeastOne(smallShorter / PaperReachShare);
    // Not smoothed after: a closing follows a shadow that darkens steadily
    // as it is, where smoothing would lift its dark end above it.
    return closed(small.get(), reach);
}

} // namespace

Channels channelsOf(Pix *rgb)
{
    return {own(pixConvertRGBToGrayMinMax(rgb, L_CHOOSE_MAX)),
            own(pixConvertRGBToGrayMinMax(rgb, L_CHOOSE_MAXDIFF))};
}

PixPtr inkOf(const Channels &channels)
{
    // The mean of three by three takes the grain of paper and sensor.
    const PixPtr light = own(pixBlockconv(channels.light.get(), 1, 1));
    // The darkest light is looked for close by, so that the middle of a line
    // is always ink: a line never breaks.
    const PixPtr besideLines = closed(light.get(), lineReach(light.get()));
    const PixPtr darkest = own(pixErodeGray(light.get(), DarkestReach, DarkestReach));
    int reduction = 1;
    const PixPtr page = paperOfPage(light.get(), reduction);
    const int width = pixGetWidth(light.get());
    const int height = pixGetHeight(light.get());
    PixPtr ink = own(pixCreate(width, height, 1));
    const auto row = [](Pix *pix, int y) { return pixGetData(pix) + y * pixGetWpl(pix); };
    for (int y = 0; y < height; ++y) {
        const l_uint32 *v = row(light.get(), y);
        const l_uint32 *beside = row(besideLines.get(), y);
        const l_uint32 *dark = row(darkest.get(), y);
        const l_uint32 *colour = row(channels.colour.get(), y);
        l_uint32 *to = row(ink.get(), y);
        for (int x = 0; x < width; ++x) {
            const int here = GET_DATA_BYTE(v, x);
            const int near = GET_DATA_BYTE(beside, x);
            const int paper = greyAt(page.get(), x / reduction, y / reduction);
            const bool line = 100 * (near - here) >= LineDepth * (near - GET_DATA_BYTE(dark, x)) &&
                              here * 100 < LineShare * near && near - here >= LineDifference;
            const bool black =
                here * 100 < BlackShare * paper && GET_DATA_BYTE(colour, x) < BlackColour;
            if (line || black)
                SET_DATA_BIT(to, x);
        }
    }
    return ink;
}

} // namespace zedoimport::ink
