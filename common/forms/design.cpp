#include "forms/design.h"

#include <QApplication>
#include <QScreen>
#include <QStyleFactory>
#include <QWidget>

namespace forms {

void place(QWidget *control, int left, int top, int width, int height)
{
    control->setGeometry(twips(left), twips(top), twips(width), twips(height));
}

void placeCentred(QWidget *window, int clientWidth, int clientHeight)
{
    const QSize size(twips(clientWidth), twips(clientHeight));
    window->setFixedSize(size);
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    window->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
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
