#include "forms/vscrollbar.h"

#include <QApplication>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionSlider>

namespace forms {

namespace {

// The style's shortest thumb is longer than the track of a short bar, where
// it would fill the track and hide where the value lies. A classic thumb can
// be as short as this.
class ShortThumbStyle : public QProxyStyle
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
};

// One for every scroll bar, deleted with the application.
QStyle *shortThumbStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = new ShortThumbStyle(QStyleFactory::create(QApplication::style()->name()));
        style->setParent(qApp);
    }
    return style;
}

} // namespace

VScrollBar::VScrollBar(QWidget *parent) : QScrollBar(Qt::Vertical, parent)
{
    setStyle(shortThumbStyle());
    setTracking(false);
    applyRange();
    connect(this, &QAbstractSlider::valueChanged, this, &VScrollBar::Change);
}

void VScrollBar::setMin(int min)
{
    const int value = Value();
    m_min = min;
    applyRange();
    setValue(value);
}

void VScrollBar::setMax(int max)
{
    const int value = Value();
    m_max = max;
    applyRange();
    setValue(value);
}

void VScrollBar::setValue(int value)
{
    QScrollBar::setValue(direction() * value);
}

int VScrollBar::Value() const
{
    return direction() * value();
}

QRect VScrollBar::partRect(QStyle::SubControl part) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_ScrollBar, &option, part, this);
}

void VScrollBar::applyRange()
{
    setRange(direction() * m_min, direction() * m_max);
}

} // namespace forms
