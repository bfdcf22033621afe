#pragma once

#include <QPointer>
#include <QWidget>

#include <memory>
#include <vector>

class QScreen;

namespace forms {

// A black window without border or title that covers the whole screen,
// panels included, and hides the desktop behind a program's main window.
// With more than one monitor it covers the primary one and keeps a black
// window of the same kind on each of the others; when monitors come, go or
// change size, they follow. It never comes in front of the main window: a
// press on any of them brings that window back in front with the focus, so
// a child is never left with a black screen, and keys typed while a window
// manager keeps the keyboard on it go to that window. Closing it is refused:
// it goes when the main window goes.
class Backdrop : public QWidget
{
    Q_OBJECT
public:
    Backdrop();
    ~Backdrop() override;

    // The window to keep in front; a window manager also keeps it above the
    // backdrop because it becomes the backdrop's transient. Once the window
    // manager has framed it, it stands with its frame in the middle of the
    // primary screen.
    void keepBehind(QWidget *front);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    // One of the other monitors' black windows.
    explicit Backdrop(Backdrop *lead);

    void cover(QScreen *screen);
    void coverScreens();
    void followScreens();
    void raiseFront();
    void centreFront();
    void passKeyToFront(QKeyEvent *event);

    Backdrop *m_lead = nullptr;
    QPointer<QWidget> m_front;
    bool m_frontCentred = false;
    bool m_covered = false;
    std::vector<std::unique_ptr<Backdrop>> m_others;
};

} // namespace forms
