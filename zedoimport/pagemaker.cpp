// SPDX-License-Identifier: GPL-3.0-or-later
#include "zedoimport/pagemaker.h"

#include "zedoimport/ink.h"
#include "zedoimport/pix.h"
#include "zedoimport/sheet.h"

#include <leptonica/allheaders.h>

namespace zedoimport {

namespace {

// The lines are judged at Detail times the size they get on the page, so
// that the thinnest keep their middles while the page is made; exactly that,
// so that each page pixel takes the same share. A smaller picture is taken
// at its own size.
QSize workingSize(QSizeF size)
{
    const QSize detailed = core::page::fittedRect(size.toSize()).size() * Detail;
    return detailed.width() <= size.width() ? detailed : size.toSize().expandedTo(QSize(1, 1));
}

// Smaller by averaging, never larger, and not sharpened: sharpening would
// make grain and the ringing of compression look like lines.
PixPtr scaled(Pix *rgb, QSize size)
{
    const int width = pixGetWidth(rgb);
    const int height = pixGetHeight(rgb);
    if (size.width() >= width && size.height() >= height)
        return own(pixCopy(nullptr, rgb));
    return own(
        pixScaleGeneral(rgb, float(size.width()) / width, float(size.height()) / height, 0, 0));
}

ink::Channels sheetOf(Pix *rgb, const QPolygonF &corners)
{
    const QSizeF natural = sheet::sizeOf(corners);
    const QSize size = workingSize(natural);
    const double factor = std::min(1.0, size.width() / natural.width());
    const PixPtr smaller = scaled(
        rgb,
        (QSizeF(pixGetWidth(rgb), pixGetHeight(rgb)) * factor).toSize().expandedTo(QSize(1, 1)));
    QPolygonF there;
    for (const QPointF &p : corners)
        there << p * factor;
    return sheet::straightened(ink::channelsOf(smaller.get()), there, size);
}

} // namespace

Inked InkOfPicture(const QImage &picture, bool straighten)
{
    if (picture.isNull())
        return {};
    // Leptonica's own notes on what it cannot do are no news to the adult.
    setMsgSeverity(L_SEVERITY_NONE);
    const PixPtr rgb = colourOf(picture);
    const std::optional<QPolygonF> corners =
        straighten ? sheet::findSheet(rgb.get()) : std::nullopt;
    ink::Channels channels;
    if (corners) {
        channels = sheetOf(rgb.get(), *corners);
    } else {
        const PixPtr smaller = scaled(rgb.get(), workingSize(picture.size()));
        channels = ink::channelsOf(smaller.get());
    }
    PixPtr ink = ink::inkOf(channels);
    if (straighten) {
        if (std::optional<ink::Channels> upright = sheet::deskewed(channels, ink.get()))
            ink = ink::inkOf(*upright);
    }
    return {inkImageOf(ink.get()), corners.value_or(QPolygonF())};
}

Prepared PreparePicture(const QImage &picture, const PageOptions &options)
{
    const Inked inked = InkOfPicture(picture, options.straighten);
    return {core::page::finishPage(inked.ink, {.closeGaps = options.closeGaps}), inked.sheet};
}

} // namespace zedoimport
