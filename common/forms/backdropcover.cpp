// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/backdropcover.h"

#include "forms/desktop.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QScreen>

namespace forms {

BackdropCover::BackdropCover()
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    makeBackdrop(this);
}

// Without a window manager nothing would make the window full screen, so it
// is also given the screen's place and size itself.
void BackdropCover::cover(QScreen *screen)
{
    if (!screen)
        return;
    if (isVisible() && this->screen() != screen)
        setWindowState(Qt::WindowNoState);
    setScreen(screen);
    setGeometry(screen->geometry());
    setWindowState(Qt::WindowFullScreen);
}

void BackdropCover::closeEvent(QCloseEvent *event)
{
    event->ignore();
}

void BackdropCover::mousePressEvent(QMouseEvent *)
{
    bringToFront(m_front);
}

void BackdropCover::keyPressEvent(QKeyEvent *event)
{
    passKeyToFront(event);
}

void BackdropCover::keyReleaseEvent(QKeyEvent *event)
{
    passKeyToFront(event);
}

void BackdropCover::passKeyToFront(QKeyEvent *event)
{
    if (m_front && m_front->isVisible())
        QCoreApplication::sendEvent(m_front->focusWidget() ? m_front->focusWidget() : m_front.get(),
                                    event);
}

void BackdropCover::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        bringToFront(m_front);
    QWidget::changeEvent(event);
}

// A window manager forgets the states that keep a window out of task bars
// and pagers when it is hidden.
void BackdropCover::showEvent(QShowEvent *event)
{
    keepOutOfSwitchers(this);
    QWidget::showEvent(event);
}

} // namespace forms
