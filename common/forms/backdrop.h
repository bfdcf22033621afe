#pragma once

#include <QPointer>
#include <QWidget>

namespace forms {

// A black window without border or title that covers the whole screen and
// hides the desktop behind a program's main window. It never comes in front
// of that window: a press on it, or its activation, raises the front window
// again, so a child is never left with a black screen.
class Backdrop : public QWidget
{
    Q_OBJECT
public:
    Backdrop();

    // The window to keep in front; a window manager also keeps it above the
    // backdrop because it becomes the backdrop's transient.
    void keepBehind(QWidget *front);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void raiseFront();

    QPointer<QWidget> m_front;
};

} // namespace forms
