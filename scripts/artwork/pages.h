// SPDX-License-Identifier: GPL-3.0-or-later
// The colouring pages: black outlines on white, 386 x 410 px, drawing kept inside
// x < 345 and y < 400, with big closed areas for the fill tool.
#pragma once

#include <QImage>

namespace artwork {

QImage drawBalloonPage(); // two balloons, one long and one oval, each on a string
QImage drawHousePage();   // a house with a tree and a sun
QImage drawFishPage();    // a fish with bubbles and seaweed
QImage drawFlowerPage();  // a flower in a pot with a butterfly
QImage drawCarPage();     // a car with a cloud and a sun

} // namespace artwork
