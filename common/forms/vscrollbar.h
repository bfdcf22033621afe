// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/scrollbar.h"

#include <QStyle>

namespace forms {

// A vertical scroll bar whose Value runs from Min at the top to Max at the
// bottom; Min may be the larger of the two, so that the upper arrow raises the
// value. Each click on an arrow or in the track moves the value by one step
// (SmallChange, LargeChange) and raises Change. While the thumb is dragged the
// value stays as it was; it follows, and Change is raised once, when the thumb
// is released somewhere new. Use Value() and setValue(), not the inherited
// value(), which counts from the top whichever way Min and Max lie.
// It takes the focus by Tab and by a click; then Up and Down, Page Up and Page
// Down move the thumb one step (SmallChange, LargeChange) the way the arrow
// of that name does, and Home and End move it to the top and to the bottom,
// each change raising Change once. A dotted frame on the thumb shows the focus.
class VScrollBar : public ScrollBar
{
    Q_OBJECT
public:
    explicit VScrollBar(QWidget *parent = nullptr);

    void setMin(int min);
    void setMax(int max);
    int Min() const { return m_min; }
    int Max() const { return m_max; }
    void setValue(int value);
    int Value() const;
    void setSmallChange(int step) { setSingleStep(step); }
    void setLargeChange(int step) { setPageStep(step); }
    // Where a part of the bar lies as its style draws it: an arrow
    // (SC_ScrollBarSubLine is the upper one), the thumb or the track.
    QRect partRect(QStyle::SubControl part) const;

signals:
    void Change();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // -1 when Min lies above a smaller Max, so that the inherited range,
    // which always grows downwards, can still hold it.
    int direction() const { return m_min > m_max ? -1 : 1; }
    void applyRange();

    int m_min = 0;
    int m_max = 32767;
};

} // namespace forms
