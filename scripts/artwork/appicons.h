// The desktop icons of the three programs, drawn at any square size from one 64-unit design.
#pragma once

#include <QImage>

namespace artwork {

QImage drawZedoIcon(int size);     // the colouring program: a crayon and its scribble
QImage drawZedoconfIcon(int size); // the settings editor: colour swatches and sliders
QImage drawZedoimportIcon(int size); // the page importer: a new line drawing on a page

} // namespace artwork
