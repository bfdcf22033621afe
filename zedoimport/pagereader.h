// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "zedoimport/pagemaker.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// Reading the picture a page is made from: every picture format Qt reads
// here (PNG, JPEG, GIF, BMP, WebP, TIFF, ...), SVG drawings and pages of PDF
// files. Nothing here needs a window, so the same code serves the window,
// the command line and a fuzzer.
namespace Poppler {
class Page;
}

namespace zedoimport {

// Files beyond these are refused before they are decoded, so that a stray
// or hostile file cannot take all memory: a page of A4 at 600 dots per inch
// still fits.
inline constexpr qint64 MaxFileBytes = 100 * 1024 * 1024;
inline constexpr qint64 MaxSvgBytes = 10 * 1024 * 1024;
inline constexpr qint64 MaxPixels = 36'000'000;
// Drawings (SVG, PDF) are drawn at Detail times the room they get on the
// page, whatever size they claim.
inline constexpr QSize DrawingSize(core::page::Room.width() * Detail,
                                   core::page::Room.height() * Detail);
// The longest a PDF page may take to draw.
inline constexpr int MaxDrawingMilliseconds = 20'000;

// Lets Qt's picture readers take every picture within MaxPixels, at up to
// eight bytes a pixel (16 bits a channel): Qt's own limit of 128 MB would
// refuse an A4 page scanned at 600 dots per inch. And keeps what the
// decoders write to standard error about a damaged picture off the adult's
// terminal. Both hold for the whole program; the importer sets them up as it
// starts.
void SetUpReading();

// A picture read from a file; for a PDF file, the chosen page and the
// number of pages.
struct Source
{
    QImage picture;
    int pageCount = 1;
};

// Reads page `page` (from 1; only PDF files have more than one) of the file.
// Throws core::Error with a Swedish message that names the file and the
// cause: missing, not a plain file, too large, damaged, not a format known
// here, a page that is not there.
Source ReadSource(const QString &fileName, int page = 1);

// The bytes of the file, with the same checks and messages as ReadSource,
// for reading its pages with ReadSourceData.
QByteArray ReadSourceBytes(const QString &fileName);

// The same for the bytes of a file; `fileName` only names it in messages.
// Drawings are drawn to fit `drawingSize`: a fuzzer asks for a small one,
// which takes every path of the full size in a fraction of the time.
Source ReadSourceData(const QByteArray &bytes, const QString &fileName, int page = 1,
                      QSize drawingSize = DrawingSize);

// A page of a PDF file drawn to fit `room`, whatever size it claims; null
// when it cannot be drawn, or not within `maxMilliseconds`.
QImage DrawPdfPage(const Poppler::Page &pdfPage, QSize room, int maxMilliseconds);

// Reads the file and prepares its page: what the window shows and the
// command line saves.
QImage PreparePage(const QString &fileName, int page, const PageOptions &options);

} // namespace zedoimport
