// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/design.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <QStyleFactory>
#include <QWidget>

namespace forms {

void place(QWidget *control, int left, int top, int width, int height)
{
    control->setGeometry(twips(left), twips(top), twips(width), twips(height));
}

void placeCentred(QWidget *window, QSize clientSize)
{
    const QSize size = twips(clientSize);
    window->setFixedSize(size);
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The backdrop hides the panels, so the middle is that of the screen. The
    // place is that of the client area: a window manager's frame is not known
    // yet (the backdrop centres the frame once it is).
    const QRect area = screen->geometry();
    const QSize room = area.size() - size;
    window->setGeometry(QRect(area.topLeft() + QPoint(room.width() / 2, room.height() / 2), size));
}

void applyTabOrder(const QList<QWidget *> &controls)
{
    // Qt leaves out of the chain any pair with a control that takes no focus.
    QList<QWidget *> chain;
    for (QWidget *control : controls) {
        if (control->focusPolicy() != Qt::NoFocus)
            chain << control;
    }
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    for (QWidget *control : chain) {
        if ((control->focusPolicy() & Qt::TabFocus) && control->isEnabled() &&
            !control->isHidden()) {
            control->setFocus();
            return;
        }
    }
}

void setBackColor(QWidget *widget, QRgb color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QColor(color));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QPalette classicBevel(QPalette base)
{
    base.setColor(QPalette::Light, QColor(colors::windowBackground));
    base.setColor(QPalette::Dark, QColor(colors::grey));
    return base;
}

void drawFocusMark(QPainter &painter, const QRect &frame)
{
    if (frame.isEmpty())
        return;
    QPolygon dots;
    const auto dot = [&](int x, int y) {
        if ((x + y) % 2 == 0)
            dots << QPoint(x, y);
    };
    for (int x = frame.left(); x <= frame.right(); ++x) {
        dot(x, frame.top());
        dot(x, frame.bottom());
    }
    for (int y = frame.top() + 1; y < frame.bottom(); ++y) {
        dot(frame.left(), y);
        dot(frame.right(), y);
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    // One pixel of the design wide, so the dots grow with the screen's scale.
    painter.setPen(QPen(QColor(colors::windowText), 1));
    painter.drawPoints(dots);
    painter.restore();
}

QColor captionColor(bool enabled)
{
    return QColor(enabled ? colors::windowText : colors::grey);
}

QImage paintable(const QImage &picture)
{
    if (picture.colorCount() == 0)
        return picture;
    return picture.convertToFormat(QImage::Format_ARGB32);
}

QFont designFont(const QString &face, double points, bool bold)
{
    QFont font(face);
    font.setPixelSize(qRound(points * 96.0 / 72.0));
    font.setBold(bold);
    return font;
}

void useDesignLooks()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("Times New Roman"),
        {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
}

} // namespace forms
