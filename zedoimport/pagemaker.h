// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/page.h"

#include <QImage>
#include <QPolygonF>

// Preparing a colouring page from any picture: a page drawn for the screen,
// a scan, a photograph of a book page.
namespace zedoimport {

// Pictures are read and their lines judged at this many times the size
// they get on the page, so that the thinnest lines keep their middles.
inline constexpr int Detail = 4;

struct Inked
{
    // The lines of the picture as an ink image of core::page, at Detail times
    // the size they get on the page (or the picture's size, when smaller);
    // null for a null picture.
    QImage ink;
    // The corners of the sheet found in the picture, in its pixels; empty
    // when the whole picture was taken as the page.
    QPolygonF sheet;
};

// Finds the sheet (when `straighten`) and straightens it, or turns a page
// that leans back upright; and judges which pixels are lines against the
// paper around them.
Inked InkOfPicture(const QImage &picture, bool straighten = true);

struct PageOptions
{
    bool closeGaps = true;
    // Find the sheet of paper in a photograph and straighten it, or turn a
    // scan that leans back upright.
    bool straighten = true;
};

struct Prepared
{
    // The page, as core::page::finishPage gives it.
    QImage page;
    // The corners of the sheet found in the picture, in its pixels; empty
    // when the whole picture was taken as the page.
    QPolygonF sheet;
};

// The ink of the picture, and the page made of it with
// core::page::finishPage. A null picture gives a white page.
Prepared PreparePicture(const QImage &picture, const PageOptions &options = {});

} // namespace zedoimport
