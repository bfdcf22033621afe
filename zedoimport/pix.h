// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <memory>

struct Pix;

// Leptonica's images held and let go like any other value, and the few
// conversions between them and Qt's.
namespace zedoimport {

struct PixDeleter
{
    void operator()(Pix *pix) const;
};
using PixPtr = std::unique_ptr<Pix, PixDeleter>;

// Takes over an image that a leptonica call returned; a null one means the
// call failed, which for the calls used here means memory ran out.
PixPtr own(Pix *pix);

// The picture laid on white, in leptonica's 32-bit colour.
PixPtr colourOf(const QImage &picture);

// A 1-bit image of leptonica (1 is ink) as an ink image of core::page: 0 for
// ink, 255 for paper.
QImage inkImageOf(Pix *binary);

} // namespace zedoimport
