#pragma once

#include "core/page.h"

#include <QImage>
#include <QPolygonF>

// Preparing a colouring page from any picture: a page drawn for the screen,
// a scan, a photograph of a book page.
namespace zedoimport {

struct Prepared
{
    // The page, as core::page::finishPage gives it.
    QImage page;
    // The corners of the sheet found in the picture, in its pixels; empty
    // when the whole picture was taken as the page.
    QPolygonF sheet;
};

// Finds the sheet (unless `options.straighten` is off) and straightens it,
// or turns a page that leans back upright; judges which pixels are lines
// against the paper around them; and makes the page of them. A null picture
// gives a white page.
Prepared PreparePicture(const QImage &picture, const core::page::Options &options = {});

} // namespace zedoimport
