// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/backdropcover.h"

#include <memory>
#include <vector>

namespace forms {

// The black backdrop that hides the desktop behind a program's main window:
// it covers the primary monitor and keeps a cover of the same kind on each
// of the others; when monitors come, go or change size, they follow, and the
// main window stays in the middle of the primary one, in front. It goes when
// the main window goes.
class Backdrop : public BackdropCover
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
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void coverScreens();
    void followScreens();
    void centreFront();

    bool m_frontCentred = false;
    bool m_covering = false;
    std::vector<std::unique_ptr<BackdropCover>> m_covers;
};

} // namespace forms
