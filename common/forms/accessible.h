// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLabel;
class QWidget;

namespace forms {

// Tells screen readers what the controls of this library are. Qt describes
// its own widgets, but would present each of these as a nameless filler: a
// panel that takes the focus is a button (Space or the screen reader's press
// clicks it), any other panel a group; a shape is a graphic named by its fill
// colour; a picture box is a canvas; an image box and a line are graphics;
// the vertical scroll bar gives its Value as the value. Each of these
// controls calls it as it is made; only the first call does anything.
void describeControls();

// Names a control after the label beside it, as a screen reader reads it:
// the label's caption is the control's name, and the label is its label.
void nameAfterLabel(QWidget *control, QLabel *label);

} // namespace forms
