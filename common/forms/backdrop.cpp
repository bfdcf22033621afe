#include "forms/backdrop.h"

#include "forms/desktop.h"

#include <QCloseEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>

namespace forms {

Backdrop::Backdrop() : Backdrop(nullptr)
{
    // Screens change while the program runs; each change is taken once Qt
    // has settled its list of screens.
    const auto later = Qt::QueuedConnection;
    connect(qGuiApp, &QGuiApplication::screenAdded, this, &Backdrop::coverScreens, later);
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, &Backdrop::coverScreens, later);
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, &Backdrop::coverScreens, later);
    coverScreens();
}

Backdrop::Backdrop(Backdrop *lead) : m_lead(lead)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    makeBackdrop(this);
}

Backdrop::~Backdrop() = default;

void Backdrop::keepBehind(QWidget *front)
{
    m_front = front;
    front->winId();
    winId();
    front->windowHandle()->setTransientParent(windowHandle());
    front->installEventFilter(this);
}

// The frame is known once the window manager has shown the window, which it
// does before it activates it.
bool Backdrop::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_front && event->type() == QEvent::WindowActivate && !m_frontCentred) {
        m_frontCentred = true;
        centreFront();
    }
    return QWidget::eventFilter(watched, event);
}

// Places are given for the client area throughout, which every window
// manager takes alike. On a screen too small for it, the title bar with its
// close box stays on the screen.
void Backdrop::centreFront()
{
    const QRect frame = m_front->frameGeometry();
    const QRect client = m_front->geometry();
    const QRect area = screen()->geometry();
    const QPoint frameTopLeft =
        area.topLeft() + QPoint(std::max(0, (area.width() - frame.width()) / 2),
                                std::max(0, (area.height() - frame.height()) / 2));
    const QPoint clientTopLeft = frameTopLeft + (client.topLeft() - frame.topLeft());
    if (clientTopLeft != client.topLeft())
        m_front->setGeometry(QRect(clientTopLeft, client.size()));
}

// Without a window manager nothing would make the window full screen, so it
// is also given the screen's place and size itself. A window manager moves
// no window that is full screen, so a shown one that moves to another screen
// leaves that state first.
void Backdrop::cover(QScreen *screen)
{
    if (!screen)
        return;
    if (isVisible() && this->screen() != screen)
        setWindowState(Qt::WindowNoState);
    setScreen(screen);
    setGeometry(screen->geometry());
    setWindowState(Qt::WindowFullScreen);
}

// The lead covers the primary screen, the others one further screen each.
void Backdrop::coverScreens()
{
    QList<QScreen *> screens = QGuiApplication::screens();
    QScreen *primary = QGuiApplication::primaryScreen();
    screens.removeOne(primary);
    cover(primary);
    // The window goes to the middle of the primary screen before a new black
    // window is shown: a window manager (openbox) decides whether a new
    // full-screen window stands above the panels by where the focused window
    // is at that moment, and does not ask again when it moves.
    if (m_front && m_frontCentred)
        centreFront();
    while (m_others.size() > size_t(screens.size()))
        m_others.pop_back();
    while (m_others.size() < size_t(screens.size()))
        m_others.push_back(std::unique_ptr<Backdrop>(new Backdrop(this)));
    for (qsizetype i = 0; i < screens.size(); ++i) {
        connect(screens[i], &QScreen::geometryChanged, this, &Backdrop::coverScreens,
                Qt::UniqueConnection);
        m_others[i]->cover(screens[i]);
        m_others[i]->setVisible(isVisible());
    }
    if (primary)
        connect(primary, &QScreen::geometryChanged, this, &Backdrop::coverScreens,
                Qt::UniqueConnection);
    followScreens();
}

// A window once centred stays in the middle of the primary screen as it
// changes, and in front of the black windows just shown on new screens.
void Backdrop::followScreens()
{
    if (!m_front || !m_frontCentred)
        return;
    centreFront();
    raiseFront();
}

void Backdrop::raiseFront()
{
    bringToFront(m_lead ? m_lead->m_front : m_front);
}

void Backdrop::closeEvent(QCloseEvent *event)
{
    event->ignore();
}

void Backdrop::mousePressEvent(QMouseEvent *)
{
    raiseFront();
}

void Backdrop::keyPressEvent(QKeyEvent *event)
{
    passKeyToFront(event);
}

void Backdrop::keyReleaseEvent(QKeyEvent *event)
{
    passKeyToFront(event);
}

void Backdrop::passKeyToFront(QKeyEvent *event)
{
    QWidget *front = m_lead ? m_lead->m_front : m_front;
    if (front && front->isVisible())
        QCoreApplication::sendEvent(front->focusWidget() ? front->focusWidget() : front, event);
}

void Backdrop::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        raiseFront();
    QWidget::changeEvent(event);
}

// Weston's maximize key acts on the backdrop, the window it keeps active,
// and the window in front vanishes with it; shown afresh, it comes back.
void Backdrop::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const bool covering = screen() && size() == screen()->geometry().size();
    const bool lost = m_covered && !covering;
    m_covered = covering;
    if (lost && !m_lead && m_front && m_front->isVisible() && isVisible() &&
        showAgainAfterBackdropResize())
        QTimer::singleShot(0, m_front, [front = m_front] {
            front->hide();
            front->show();
            bringToFront(front);
        });
}

void Backdrop::showEvent(QShowEvent *event)
{
    keepOutOfSwitchers(this);
    for (const auto &other : m_others)
        other->show();
    QWidget::showEvent(event);
}

void Backdrop::hideEvent(QHideEvent *event)
{
    for (const auto &other : m_others)
        other->hide();
    QWidget::hideEvent(event);
}

} // namespace forms
