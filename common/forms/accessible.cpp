// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/accessible.h"

#include "core/colortable.h"
#include "forms/imagebox.h"
#include "forms/line.h"
#include "forms/panel3d.h"
#include "forms/picturebox.h"
#include "forms/shape.h"
#include "forms/vscrollbar.h"

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QLabel>

#include <algorithm>

namespace forms {

namespace {

// The colour cells of the settings window take the focus and act on a press;
// the other panels only hold controls, named by their window.
class PanelInterface : public QAccessibleWidget
{
public:
    explicit PanelInterface(Panel3D *panel) : QAccessibleWidget(panel) {}

    QAccessible::Role role() const override
    {
        return clickable() ? QAccessible::Button : QAccessible::Grouping;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (clickable())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &name) override
    {
        if (name == pressAction() && clickable())
            panel()->click();
        else
            QAccessibleWidget::doAction(name);
    }

private:
    Panel3D *panel() const { return static_cast<Panel3D *>(widget()); }
    bool clickable() const { return panel()->focusPolicy() != Qt::NoFocus; }
};

class ShapeInterface : public QAccessibleWidget
{
public:
    explicit ShapeInterface(Shape *shape) : QAccessibleWidget(shape, QAccessible::Graphic) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return core::colorName(static_cast<Shape *>(widget())->FillColor());
        return QAccessibleWidget::text(t);
    }
};

// Qt's own description of a scroll bar would give the inherited value, which
// counts from the top and is negative when the upper arrow raises Value.
class VScrollBarInterface : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit VScrollBarInterface(VScrollBar *bar) : QAccessibleWidget(bar, QAccessible::ScrollBar)
    {
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return QString::number(bar()->Value());
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return bar()->Value(); }
    void setCurrentValue(const QVariant &value) override { bar()->setValue(value.toInt()); }
    QVariant maximumValue() const override { return std::max(bar()->Min(), bar()->Max()); }
    QVariant minimumValue() const override { return std::min(bar()->Min(), bar()->Max()); }
    QVariant minimumStepSize() const override { return bar()->singleStep(); }

private:
    VScrollBar *bar() const { return static_cast<VScrollBar *>(widget()); }
};

QAccessibleInterface *describe(const QString & /*className*/, QObject *object)
{
    if (auto *panel = qobject_cast<Panel3D *>(object))
        return new PanelInterface(panel);
    if (auto *shape = qobject_cast<Shape *>(object))
        return new ShapeInterface(shape);
    if (auto *bar = qobject_cast<VScrollBar *>(object))
        return new VScrollBarInterface(bar);
    if (auto *box = qobject_cast<PictureBox *>(object))
        return new QAccessibleWidget(box, QAccessible::Canvas);
    if (qobject_cast<ImageBox *>(object) || qobject_cast<Line *>(object))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    return nullptr;
}

} // namespace

void describeControls()
{
    static const bool installed = [] {
        QAccessible::installFactory(describe);
        return true;
    }();
    Q_UNUSED(installed);
}

void nameAfterLabel(QWidget *control, QLabel *label)
{
    label->setBuddy(control);
    control->setAccessibleName(label->text());
}

} // namespace forms
