// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QScrollBar>

namespace forms {

// A scroll bar as the designs know it: every mouse button works it as the
// left one does, so each click on an arrow or in the track moves it by one
// step, and it opens no menu of its own. Its thumb can be as short as a
// classic one. It takes no focus; a control that wants it says so.
class ScrollBar : public QScrollBar
{
    Q_OBJECT
public:
    explicit ScrollBar(Qt::Orientation orientation, QWidget *parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace forms
