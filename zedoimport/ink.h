// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "zedoimport/pix.h"

// Which pixels of a picture are the lines of the drawing. The paper is
// judged where it lies: grey, yellowed, grainy, in shadow or in the dim
// corner of a photograph, it is paper, and a line is ink when it is clearly
// darker than the paper around it, however faint. Colour is not ink: an area
// filled with a colour or a grey, dark ones too, comes out as paper inside
// its outline, while black stays black.
namespace zedoimport::ink {

// A picture as the judging needs it: the brightest channel of each pixel
// (how much light it gives back; a colour as strong as red gives as much as
// white), and how coloured it is (the brightest channel less the darkest).
struct Channels
{
    PixPtr light;
    PixPtr colour;
};
Channels channelsOf(Pix *rgb);

// The ink of the picture, 1 for ink, at the size of the channels.
PixPtr inkOf(const Channels &channels);

} // namespace zedoimport::ink
