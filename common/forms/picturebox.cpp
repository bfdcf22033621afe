// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/picturebox.h"

#include "core/error.h"
#include "core/pictureloader.h"
#include "core/raster.h"
#include "forms/accessible.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace forms {

namespace {

int buttonCode(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}

int shiftCode(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

// The box's pixel under the pointer, in the scale unit. On a screen with more
// device pixels to the box's pixel the pointer lies between whole pixels, and
// a dot or a fill must still start from the pixel it points at.
QPointF pixelUnder(const QMouseEvent *event, double perPixel)
{
    return {std::floor(event->position().x()) * perPixel,
            std::floor(event->position().y()) * perPixel};
}

// Qt draws a picture with a colour table by converting it whole, on threads
// it starts for the purpose, which a program's first picture pays for. An
// opaque one needs no blending: each pixel is its colour from the table, and
// the table is complete (setPicture makes it so). Returns false, painting
// nothing, for any other picture.
bool setFromColorTable(QImage &onto, const QImage &picture)
{
    if (picture.colorCount() == 0 || picture.hasAlphaChannel())
        return false;
    const QList<QRgb> table = picture.colorTable();
    const int width = std::min(onto.width(), picture.width());
    const int height = std::min(onto.height(), picture.height());
    const bool bytes = picture.format() == QImage::Format_Indexed8;
    for (int y = 0; y < height; ++y) {
        const uchar *from = picture.constScanLine(y);
        auto *row = reinterpret_cast<QRgb *>(onto.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int index = bytes ? from[x] : picture.pixelIndex(x, y);
            row[x] = table[index] | 0xFF000000;
        }
    }
    return true;
}

} // namespace

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_StaticContents);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    relayImages();
    describeControls();
}

void PictureBox::setPicture(const QImage &picture)
{
    m_picture = picture;
    core::completeColorTable(m_picture);
    relayImages();
    update();
}

void PictureBox::setBackColor(QColor color)
{
    m_backColor = color;
    relayImages();
    update();
}

void PictureBox::setDrawWidth(int width)
{
    if (width <= 0)
        throw core::Error(
            QStringLiteral("Pennbredden %1 går inte att använda: den måste vara minst 1.")
                .arg(width));
    m_drawWidth = width;
}

double PictureBox::unitsPerPixel() const
{
    return m_unit == ScaleUnit::Twip ? 15.0 : 1.0;
}

double PictureBox::ScaleWidth() const
{
    return width() * unitsPerPixel();
}

double PictureBox::ScaleHeight() const
{
    return height() * unitsPerPixel();
}

QImage &PictureBox::target()
{
    ensureImages();
    return m_autoRedraw ? m_kept : m_surface;
}

const QImage &PictureBox::hDC() const
{
    return m_autoRedraw ? m_kept : m_surface;
}

void PictureBox::drawOnDC(const std::function<QRect(QImage &)> &draw)
{
    update(draw(target()));
}

void PictureBox::PSet(double x, double y)
{
    const double perPixel = unitsPerPixel();
    drawOnDC([&](QImage &dc) {
        return core::PSet(dc, x / perPixel, y / perPixel, m_drawWidth, core::toRgb(m_foreColor));
    });
}

std::optional<core::ColorValue> PictureBox::Point(double x, double y)
{
    const QPoint spot(int(x / unitsPerPixel()), int(y / unitsPerPixel()));
    if (x < 0 || y < 0 || !rect().contains(spot))
        return std::nullopt;
    const QImage shown = grab(QRect(spot, QSize(1, 1))).toImage();
    return core::toColorValue(shown.pixel(0, 0));
}

void PictureBox::Refresh()
{
    ensureImages();
    m_surface = m_kept;
    update();
}

void PictureBox::ensureImages()
{
    if (m_kept.size() != size())
        relayImages();
}

// The kept image becomes the background with the picture on it, and the
// screen shows it. While the size stays, the kept image is laid out again in
// its own pixels: memory the program has not touched yet costs more to write
// than the drawing itself, and the design sets the back colour and the
// picture one after the other before the settings replace the picture.
void PictureBox::relayImages()
{
    m_surface = QImage();
    if (m_kept.size() != size())
        m_kept = QImage(size(), QImage::Format_RGB32);
    m_kept.fill(m_backColor);
    if (!m_picture.isNull() && !setFromColorTable(m_kept, m_picture)) {
        QPainter painter(&m_kept);
        painter.drawImage(0, 0, m_picture);
    }
    m_surface = m_kept;
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    const QImage &shown = hDC();
    QPainter painter(this);
    for (const QRect &dirty : event->region())
        painter.drawImage(dirty, shown, dirty);
}

void PictureBox::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        Refresh();
    QWidget::showEvent(event);
}

// What was drawn stays as long as the size does: the resize Qt sends when a
// box resized while hidden is shown changes nothing.
void PictureBox::resizeEvent(QResizeEvent *event)
{
    ensureImages();
    QWidget::resizeEvent(event);
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    const QPointF pixel = pixelUnder(event, unitsPerPixel());
    emit MouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), float(pixel.x()),
                   float(pixel.y()));
}

// The second press of a double click is a press like any other.
void PictureBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
}

void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF pixel = pixelUnder(event, unitsPerPixel());
    emit MouseMove(buttonCode(event->buttons()), shiftCode(event->modifiers()), float(pixel.x()),
                   float(pixel.y()));
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    const QPointF pixel = pixelUnder(event, unitsPerPixel());
    emit MouseUp(buttonCode(event->button()), shiftCode(event->modifiers()), float(pixel.x()),
                 float(pixel.y()));
}

// Taken here, so that no key reaches the window or a control around the box.
void PictureBox::keyPressEvent(QKeyEvent *event)
{
    event->accept();
}

void PictureBox::keyReleaseEvent(QKeyEvent *event)
{
    event->accept();
}

// The box looks the same with the focus as without, so taking it or losing
// it repaints nothing; Qt's own handlers would show the whole box again.
void PictureBox::focusInEvent(QFocusEvent *event)
{
    event->accept();
}

void PictureBox::focusOutEvent(QFocusEvent *event)
{
    event->accept();
}

} // namespace forms
