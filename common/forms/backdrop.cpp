#include "forms/backdrop.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

namespace forms {

Backdrop::Backdrop() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    // Without a window manager nothing would maximize the window, so it is
    // given the screen's size itself.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->geometry());
}

void Backdrop::keepBehind(QWidget *front)
{
    m_front = front;
    front->winId();
    winId();
    front->windowHandle()->setTransientParent(windowHandle());
}

void Backdrop::raiseFront()
{
    if (m_front && m_front->isVisible()) {
        m_front->raise();
        m_front->activateWindow();
    }
}

void Backdrop::mousePressEvent(QMouseEvent *)
{
    raiseFront();
}

void Backdrop::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        raiseFront();
    QWidget::changeEvent(event);
}

} // namespace forms
