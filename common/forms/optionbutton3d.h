// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/choicebutton3d.h"

namespace forms {

// A round option button. Setting one clears the others on the same
// container. Click passes the member's Index and the new Value (-1 set).
// Tab stops at the set option of a container only; the arrow keys move to
// the next option and set it, as a click would.
class OptionButton3D : public ChoiceButton3D
{
    Q_OBJECT
public:
    explicit OptionButton3D(QWidget *parent = nullptr, int index = -1);
    int Index() const { return m_index; }

signals:
    void Click(int Index, int Value);

protected:
    void drawMark(QPainter &painter, const QRect &box) const override;

private:
    void keepTabStop();

    int m_index;
};

} // namespace forms
