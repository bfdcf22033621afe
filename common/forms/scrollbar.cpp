// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/scrollbar.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>

namespace forms {

namespace {

// The style's shortest thumb is longer than the track of a short bar, where
// it would fill the track and hide where the value lies; a classic thumb can
// be as short as this. No click jumps the thumb to the pointer, and the bar
// has no menu.
class ClassicScrollBarStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override
    {
        if (metric == PM_ScrollBarSliderMin)
            return 8;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        switch (hint) {
        case SH_ScrollBar_ContextMenu:
        case SH_ScrollBar_MiddleClickAbsolutePosition:
        case SH_ScrollBar_LeftClickAbsolutePosition:
            return 0;
        default:
            return QProxyStyle::styleHint(hint, option, widget, returnData);
        }
    }
};

// One for every scroll bar, deleted with the application.
QStyle *classicScrollBarStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = new ClassicScrollBarStyle(QStyleFactory::create(QApplication::style()->name()));
        style->setParent(qApp);
    }
    return style;
}

// The same event as if only the left button, and no key, were held. A
// modifier would make some clicks jump instead of step.
QMouseEvent asLeftButton(const QMouseEvent *event)
{
    const Qt::MouseButton button = event->button() == Qt::NoButton ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = event->buttons() ? Qt::LeftButton : Qt::NoButton;
    return QMouseEvent(event->type(), event->position(), event->scenePosition(),
                       event->globalPosition(), button, held, Qt::NoModifier,
                       event->pointingDevice());
}

} // namespace

ScrollBar::ScrollBar(Qt::Orientation orientation, QWidget *parent) : QScrollBar(orientation, parent)
{
    setStyle(classicScrollBarStyle());
    setFocusPolicy(Qt::NoFocus);
    // A right press comes as a press, not as a request for a menu.
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void ScrollBar::mousePressEvent(QMouseEvent *event)
{
    QMouseEvent left = asLeftButton(event);
    QScrollBar::mousePressEvent(&left);
    event->setAccepted(left.isAccepted());
}

void ScrollBar::mouseMoveEvent(QMouseEvent *event)
{
    QMouseEvent left = asLeftButton(event);
    QScrollBar::mouseMoveEvent(&left);
    event->setAccepted(left.isAccepted());
}

void ScrollBar::mouseReleaseEvent(QMouseEvent *event)
{
    QMouseEvent left = asLeftButton(event);
    QScrollBar::mouseReleaseEvent(&left);
    event->setAccepted(left.isAccepted());
}

} // namespace forms
