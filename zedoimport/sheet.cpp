// SPDX-License-Identifier: GPL-3.0-or-later
#include "zedoimport/sheet.h"

#include <QLineF>
#include <QTransform>

#include <leptonica/allheaders.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>

namespace zedoimport::sheet {

namespace {

// The sheet is looked for in a copy of about this size: corners a pixel
// off there are half a page pixel off on the page.
constexpr int SearchSize = 512;
// A sheet is at least this share of the picture, and at most this share:
// beyond it the picture is the page.
constexpr double SmallestSheet = 0.2;
constexpr double WholePicture = 0.96;
// How well the bright area fills the four-sided shape of its corners.
constexpr double LeastFilled = 0.93;
constexpr double MostFilled = 1.04;
// The corners are taken this share of the way in towards the middle: found
// in the small copy they may lie a little outside the sheet, and a sliver
// of table along an edge would be ink there. A sheet has margins to spare.
constexpr double Inset = 0.03;
// Proportions this close to A4's are A4's.
constexpr double NearA4 = 0.12;
// Leaning less than this is left as it is, and only a clear finding counts.
constexpr double LeastLean = 0.1;
constexpr float LeastConfidence = 3.0f;

// Positive when the corners go clockwise on the screen, where y grows
// downwards.
double signedArea(const QPolygonF &corners)
{
    double twice = 0;
    for (qsizetype i = 0; i < corners.size(); ++i) {
        const QPointF a = corners[i];
        const QPointF b = corners[(i + 1) % corners.size()];
        twice += a.x() * b.y() - b.x() * a.y();
    }
    return twice / 2;
}

double distanceFromLine(QPointF p, QPointF a, QPointF b)
{
    const QPointF d = b - a;
    return ((p.x() - a.x()) * d.y() - (p.y() - a.y()) * d.x()) / std::hypot(d.x(), d.y());
}

struct PixaDeleter
{
    void operator()(Pixa *pixa) const { pixaDestroy(&pixa); }
};
struct PtaDeleter
{
    void operator()(Pta *pta) const { ptaDestroy(&pta); }
};
using PtaPtr = std::unique_ptr<Pta, PtaDeleter>;

PtaPtr pointsOf(const QPolygonF &polygon)
{
    PtaPtr points(ptaCreate(int(polygon.size())));
    for (const QPointF &p : polygon)
        ptaAddPt(points.get(), float(p.x()), float(p.y()));
    return points;
}

// The largest bright area of the mask, its holes (the drawing) filled, with
// its place in the mask and its size in pixels.
struct Piece
{
    PixPtr pix;
    QPoint at;
    int pixels = 0;
};

Piece largestPiece(Pix *mask)
{
    const PixPtr holes = own(pixHolesByFilling(mask, 4));
    const PixPtr filled = own(pixOr(nullptr, mask, holes.get()));
    Pixa *found = nullptr;
    Boxa *boxes = pixConnComp(filled.get(), &found, 8);
    boxaDestroy(&boxes);
    const std::unique_ptr<Pixa, PixaDeleter> pieces(found);
    Piece largest;
    for (int i = 0; i < pixaGetCount(pieces.get()); ++i) {
        PixPtr pix = own(pixaGetPix(pieces.get(), i, L_CLONE));
        int pixels = 0;
        pixCountPixels(pix.get(), &pixels, nullptr);
        if (pixels <= largest.pixels)
            continue;
        int left = 0, top = 0;
        pixaGetBoxGeometry(pieces.get(), i, &left, &top, nullptr, nullptr);
        largest = {std::move(pix), QPoint(left, top), pixels};
    }
    return largest;
}

// The outline of a piece: the leftmost and rightmost pixel of each row.
QList<QPointF> outlineOf(const Piece &piece)
{
    QList<QPointF> outline;
    for (int y = 0; piece.pix && y < int(pixGetHeight(piece.pix.get())); ++y) {
        const l_uint32 *line = pixGetData(piece.pix.get()) + y * pixGetWpl(piece.pix.get());
        int first = -1, last = -1;
        for (int x = 0; x < int(pixGetWidth(piece.pix.get())); ++x) {
            if (GET_DATA_BIT(line, x)) {
                first = first < 0 ? x : first;
                last = x;
            }
        }
        if (first >= 0)
            outline << piece.at + QPointF(first, y) << piece.at + QPointF(last + 1, y);
    }
    return outline;
}

// Four corners of a shape from points of its outline: the point farthest
// from the middle is a corner, the point farthest from it the opposite one,
// and the points farthest from the line between them on either side the
// other two. Ordered clockwise from the top left.
QPolygonF cornersOf(const QList<QPointF> &outline)
{
    QPointF middle;
    for (const QPointF &p : outline)
        middle += p / outline.size();
    const auto farthestFrom = [&](QPointF from) {
        return *std::max_element(outline.begin(), outline.end(), [&](QPointF a, QPointF b) {
            return QLineF(from, a).length() < QLineF(from, b).length();
        });
    };
    const QPointF a = farthestFrom(middle);
    const QPointF c = farthestFrom(a);
    const auto side = [&](QPointF p) { return distanceFromLine(p, a, c); };
    const auto [least, most] = std::minmax_element(
        outline.begin(), outline.end(), [&](QPointF p, QPointF q) { return side(p) < side(q); });
    QPolygonF corners({a, *most, c, *least});
    if (signedArea(corners) < 0)
        std::reverse(corners.begin(), corners.end());
    const auto topLeft = std::min_element(corners.begin(), corners.end(), [](QPointF p, QPointF q) {
        return p.x() + p.y() < q.x() + q.y();
    });
    std::rotate(corners.begin(), topLeft, corners.end());
    return corners;
}

bool isConvex(const QPolygonF &corners)
{
    for (int i = 0; i < 4; ++i)
        if (distanceFromLine(corners[(i + 2) % 4], corners[i], corners[(i + 1) % 4]) >= 0)
            return false;
    return true;
}

} // namespace

std::optional<QPolygonF> findSheet(Pix *rgb)
{
    const int width = pixGetWidth(rgb);
    const int height = pixGetHeight(rgb);
    if (std::min(width, height) < 64)
        return std::nullopt;
    const float scale = std::min(1.0f, float(SearchSize) / std::max(width, height));
    const PixPtr small = own(pixScaleAreaMap(rgb, scale, scale));
    // Paper is bright in every channel; a table, a hand or a shadow is dark
    // or coloured in at least one.
    const PixPtr darkest = own(pixConvertRGBToGrayMinMax(small.get(), L_CHOOSE_MIN));
    int level = 0;
    if (pixSplitDistributionFgBg(darkest.get(), 0.1f, 1, &level, nullptr, nullptr, nullptr) != 0)
        return std::nullopt;
    const PixPtr paper = own(pixThresholdToBinary(darkest.get(), level));
    pixInvert(paper.get(), paper.get());
    const Piece sheet = largestPiece(paper.get());
    const QList<QPointF> outline = outlineOf(sheet);
    const double picture = double(pixGetWidth(small.get())) * pixGetHeight(small.get());
    if (outline.size() < 8 || sheet.pixels < SmallestSheet * picture ||
        sheet.pixels > WholePicture * picture)
        return std::nullopt;
    const QPolygonF corners = cornersOf(outline);
    const double filled = sheet.pixels / signedArea(corners);
    if (!isConvex(corners) || filled < LeastFilled || filled > MostFilled)
        return std::nullopt;
    const QPointF middle = (corners[0] + corners[1] + corners[2] + corners[3]) / 4;
    QTransform toPicture;
    toPicture.scale(double(width) / pixGetWidth(small.get()),
                    double(height) / pixGetHeight(small.get()));
    QPolygonF inPicture;
    for (const QPointF &corner : corners)
        inPicture << corner + (middle - corner) * Inset;
    return toPicture.map(inPicture);
}

QSizeF sizeOf(const QPolygonF &corners)
{
    const auto length = [&](int i) { return QLineF(corners[i], corners[(i + 1) % 4]).length(); };
    QSizeF size((length(0) + length(2)) / 2, (length(1) + length(3)) / 2);
    const double tall =
        std::max(size.width(), size.height()) / std::min(size.width(), size.height());
    if (std::abs(tall / std::numbers::sqrt2 - 1) < NearA4) {
        const double shorter = std::sqrt(size.width() * size.height() / std::numbers::sqrt2);
        size = size.width() < size.height() ? QSizeF(shorter, shorter * std::numbers::sqrt2)
                                            : QSizeF(shorter * std::numbers::sqrt2, shorter);
    }
    return size;
}

ink::Channels straightened(const ink::Channels &channels, const QPolygonF &corners, QSize size)
{
    // The result has the size of the picture; it is made large enough for
    // the sheet first, and cut to it after.
    const int wider = std::max(0, size.width() - int(pixGetWidth(channels.light.get())));
    const int taller = std::max(0, size.height() - int(pixGetHeight(channels.light.get())));
    const PtaPtr from = pointsOf(corners);
    const PtaPtr to =
        pointsOf(QPolygonF({QPointF(0, 0), QPointF(size.width(), 0),
                            QPointF(size.width(), size.height()), QPointF(0, size.height())}));
    const auto straighten = [&](Pix *channel) {
        const PixPtr room = own(pixAddBorderGeneral(channel, 0, wider, 0, taller, 255));
        const PixPtr warped =
            own(pixProjectivePta(room.get(), to.get(), from.get(), L_BRING_IN_WHITE));
        return own(pixRemoveBorderGeneral(warped.get(), 0,
                                          int(pixGetWidth(warped.get())) - size.width(), 0,
                                          int(pixGetHeight(warped.get())) - size.height()));
    };
    return {straighten(channels.light.get()), straighten(channels.colour.get())};
}

std::optional<ink::Channels> deskewed(const ink::Channels &channels, Pix *ink)
{
    if (std::min(pixGetWidth(ink), pixGetHeight(ink)) < 64)
        return std::nullopt;
    float degrees = 0;
    float confidence = 0;
    if (pixFindSkew(ink, &degrees, &confidence) != 0 || confidence < LeastConfidence ||
        std::abs(degrees) < LeastLean)
        return std::nullopt;
    const float radians = degrees * float(std::numbers::pi) / 180;
    // The picture goes on beyond its edges as it ends while it is turned, so
    // that the corners the turn brings in fall outside it: white corners
    // beside a shadow would meet it in an edge that looks like a line.
    const int border =
        int(std::max(pixGetWidth(ink), pixGetHeight(ink)) * std::abs(std::sin(radians))) + 2;
    const auto turn = [&](Pix *channel) {
        const PixPtr wider = own(pixAddContinuedBorder(channel, border, border, border, border));
        const PixPtr turned =
            own(pixRotate(wider.get(), radians, L_ROTATE_AREA_MAP, L_BRING_IN_WHITE, 0, 0));
        return own(pixRemoveBorder(turned.get(), border));
    };
    return ink::Channels{turn(channels.light.get()), turn(channels.colour.get())};
}

} // namespace zedoimport::sheet
