// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/backdrop.h"

#include "forms/desktop.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>

namespace forms {

Backdrop::Backdrop()
{
    // Screens change while the program runs; each change is taken once Qt
    // has settled its list of screens.
    const auto later = Qt::QueuedConnection;
    connect(qGuiApp, &QGuiApplication::screenAdded, this, &Backdrop::coverScreens, later);
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, &Backdrop::coverScreens, later);
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, &Backdrop::coverScreens, later);
    coverScreens();
}

Backdrop::~Backdrop() = default;

void Backdrop::keepBehind(QWidget *front)
{
    setFront(front);
    for (const auto &other : m_covers)
        other->setFront(front);
    front->winId();
    winId();
    front->windowHandle()->setTransientParent(windowHandle());
    front->installEventFilter(this);
}

// The frame is known once the window manager has shown the window, which it
// does before it activates it.
bool Backdrop::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == front() && event->type() == QEvent::WindowActivate && !m_frontCentred) {
        m_frontCentred = true;
        centreFront();
    }
    return BackdropCover::eventFilter(watched, event);
}

// Places are given for the client area throughout, which every window
// manager takes alike. On a screen too small for it, the title bar with its
// close box stays on the screen.
void Backdrop::centreFront()
{
    QWidget *window = front();
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    const QRect area = screen()->geometry();
    const QPoint frameTopLeft =
        area.topLeft() + QPoint(std::max(0, (area.width() - frame.width()) / 2),
                                std::max(0, (area.height() - frame.height()) / 2));
    const QPoint clientTopLeft = frameTopLeft + (client.topLeft() - frame.topLeft());
    if (clientTopLeft != client.topLeft())
        window->setGeometry(QRect(clientTopLeft, client.size()));
}

// The backdrop covers the primary screen, a cover each further screen.
void Backdrop::coverScreens()
{
    QList<QScreen *> screens = QGuiApplication::screens();
    QScreen *primary = QGuiApplication::primaryScreen();
    screens.removeOne(primary);
    cover(primary);
    // The window goes to the middle of the primary screen before a new cover
    // is shown: a window manager (openbox) decides whether a new full-screen
    // window stands above the panels by where the focused window is at that
    // moment, and does not ask again when it moves.
    if (front() && m_frontCentred)
        centreFront();
    m_covers.resize(std::min(m_covers.size(), size_t(screens.size())));
    while (m_covers.size() < size_t(screens.size())) {
        m_covers.push_back(std::make_unique<BackdropCover>());
        m_covers.back()->setFront(front());
    }
    for (qsizetype i = 0; i < screens.size(); ++i) {
        connect(screens[i], &QScreen::geometryChanged, this, &Backdrop::coverScreens,
                Qt::UniqueConnection);
        m_covers[i]->cover(screens[i]);
        m_covers[i]->setVisible(isVisible());
    }
    if (primary)
        connect(primary, &QScreen::geometryChanged, this, &Backdrop::coverScreens,
                Qt::UniqueConnection);
    followScreens();
}

// A window once centred stays in the middle of the primary screen as it
// changes, and in front of the covers just shown on new screens.
void Backdrop::followScreens()
{
    if (!front() || !m_frontCentred)
        return;
    centreFront();
    bringToFront(front());
}

// Where the window manager takes the backdrop's size away from its screen,
// the window in front may vanish with it (desktopQuirks()); shown afresh, it
// comes back.
void Backdrop::resizeEvent(QResizeEvent *event)
{
    BackdropCover::resizeEvent(event);
    const bool covering = screen() && size() == screen()->geometry().size();
    const bool lost = m_covering && !covering;
    m_covering = covering;
    QWidget *window = front();
    if (lost && window && window->isVisible() && isVisible() &&
        desktopQuirks().showFrontAgainAfterBackdropResize)
        QTimer::singleShot(0, window, [window] {
            window->hide();
            window->show();
            bringToFront(window);
        });
}

void Backdrop::showEvent(QShowEvent *event)
{
    for (const auto &other : m_covers)
        other->show();
    BackdropCover::showEvent(event);
}

void Backdrop::hideEvent(QHideEvent *event)
{
    for (const auto &other : m_covers)
        other->hide();
    BackdropCover::hideEvent(event);
}

} // namespace forms
