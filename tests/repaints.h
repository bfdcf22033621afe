// SPDX-License-Identifier: GPL-3.0-or-later
// What the widgets paint again, for the tests of drawing: only what a
// drawing changed may be repainted.
#pragma once

#include <QApplication>
#include <QHash>
#include <QList>
#include <QPaintEvent>
#include <QRect>
#include <QRegion>
#include <QWidget>

namespace repaints {

// Records the region of every paint event of every widget while it lives.
class Recorder : public QObject
{
public:
    Recorder() { qApp->installEventFilter(this); }
    ~Recorder() override { qApp->removeEventFilter(this); }

    // Runs the repaints asked for so far, then gives the rectangles `widget`
    // painted; none when it painted nothing.
    QList<QRect> painted(const QWidget *widget)
    {
        QCoreApplication::processEvents();
        const QRegion region = m_painted.value(widget);
        return {region.begin(), region.end()};
    }
    // Runs the repaints asked for so far and forgets them.
    void forget()
    {
        QCoreApplication::processEvents();
        m_painted.clear();
    }
    // How many widgets painted anything.
    qsizetype widgetsPainted() const { return m_painted.size(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            m_painted[watched] += static_cast<QPaintEvent *>(event)->region();
        return QObject::eventFilter(watched, event);
    }

private:
    QHash<const QObject *, QRegion> m_painted;
};

} // namespace repaints
