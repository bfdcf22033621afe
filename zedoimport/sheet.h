// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "zedoimport/ink.h"
#include "zedoimport/pix.h"

#include <QPolygonF>
#include <QSize>

#include <optional>

// The sheet of paper in a photograph or a scan: found, straightened and cut
// out of what lies around it (a table, fingers, shadow), or turned back when
// a scanner took it a degree or two askew.
namespace zedoimport::sheet {

// The corners of the sheet in `rgb`, from the top left clockwise: the
// largest bright, hardly coloured area, when it is a four-sided shape of a
// fifth of the picture or more and not the whole picture. Otherwise none:
// the whole picture is the page.
std::optional<QPolygonF> findSheet(Pix *rgb);

// The size the sheet has in the picture, from the lengths of its sides;
// when that is close to the proportions of A4 (a phone seldom looks straight
// down), those.
QSizeF sizeOf(const QPolygonF &corners);

// The channels of the sheet whose corners are given, straightened to a
// rectangle of `size`.
ink::Channels straightened(const ink::Channels &channels, const QPolygonF &corners, QSize size);

// The channels turned so that the lines of `ink` stand straight, when they
// lean clearly; otherwise none.
std::optional<ink::Channels> deskewed(const ink::Channels &channels, Pix *ink);

} // namespace zedoimport::sheet
