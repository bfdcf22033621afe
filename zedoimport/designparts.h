// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace forms {
class CommandButton3D;
class Label;
} // namespace forms

// The importer's windows are made of the same few kinds of control, in the
// same fonts on the same light yellow.
namespace zedoimport::design {

inline const QString SansSerif = QStringLiteral("MS Sans Serif");

// A bold caption of `points` points on the window's yellow, to the left.
forms::Label *caption(QWidget *window, const QString &text, double points);

// A button with a bold 12-point caption.
forms::CommandButton3D *command(QWidget *window, const QString &text);

} // namespace zedoimport::design
