// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/choicebutton3d.h"

namespace forms {

// A square check box; its Value is read when needed, so it raises no event
// of its own.
class CheckBox3D : public ChoiceButton3D
{
    Q_OBJECT
public:
    explicit CheckBox3D(QWidget *parent = nullptr);

protected:
    void drawMark(QPainter &painter, const QRect &box) const override;
};

} // namespace forms
