// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

class QScreen;

namespace forms {

// A black window without border or title that covers one monitor, panels
// included. It never comes in front of the window it is kept behind: a press
// on it brings that window back in front with the focus, so a child is never
// left with a black screen, and keys typed while a window manager keeps the
// keyboard on it go to that window. Closing it is refused. The backdrop
// (backdrop.h) is one, on the primary monitor, and keeps one on each other
// monitor.
class BackdropCover : public QWidget
{
    Q_OBJECT
public:
    BackdropCover();

    // The window to keep in front; null until there is one.
    void setFront(QWidget *front) { m_front = front; }
    QWidget *front() const { return m_front; }

    // Covers `screen` from now on: its place and size, full screen. A window
    // manager moves no window that is full screen, so a shown one that moves
    // to another screen leaves that state first.
    void cover(QScreen *screen);

protected:
    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void passKeyToFront(QKeyEvent *event);

    QPointer<QWidget> m_front;
};

} // namespace forms
