// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/colortable.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <optional>

namespace forms {

// A box that shows a picture and can be drawn on. It keeps two images of its
// own size: the visible surface, and the kept image, the background with the
// picture and whatever was drawn while AutoRedraw was on. `hDC` and the
// drawing methods address the visible surface while AutoRedraw is off and the
// kept image while it is on, and the box shows the image they address.
// Turning AutoRedraw off leaves the visible surface as it was. Refresh, and
// showing the box, copy the kept image to the visible surface, as a repaint by
// the system would. Every drawing says which pixels it changed, and only
// those are painted again on the screen.
//
// The images take the box's size when the picture or the back colour is set,
// when the box is shown or resized while shown, and before anything is drawn:
// a hidden box is told of no resize.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    enum class ScaleUnit { Twip, Pixel };

    explicit PictureBox(QWidget *parent = nullptr);

    // Drawn unscaled from the top-left corner over the background; setting it
    // lays out both images afresh. A null image is no picture.
    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }
    void setBackColor(QColor color);
    QColor backColor() const { return m_backColor; }

    void setForeColor(core::ColorValue value) { m_foreColor = value; }
    core::ColorValue ForeColor() const { return m_foreColor; }
    void setFillColor(core::ColorValue value) { m_fillColor = value; }
    core::ColorValue FillColor() const { return m_fillColor; }
    // The pen width in pixels; 0 or less is not a width and throws core::Error.
    void setDrawWidth(int width);
    int DrawWidth() const { return m_drawWidth; }
    void setAutoRedraw(bool on) { m_autoRedraw = on; }
    bool AutoRedraw() const { return m_autoRedraw; }
    void setScaleUnit(ScaleUnit unit) { m_unit = unit; }
    double ScaleWidth() const;
    double ScaleHeight() const;

    // The image that drawing addresses now (see above), to read from.
    const QImage &hDC() const;
    // Draws on the image that drawing addresses now: `draw` changes it and
    // returns the rectangle it changed, empty when nothing, and the box shows
    // that rectangle afresh at the next paint.
    void drawOnDC(const std::function<QRect(QImage &)> &draw);
    // A point in ForeColor; with DrawWidth above 1 a round dot of that
    // diameter, centred on the point. Coordinates in the scale unit.
    void PSet(double x, double y);
    // The colour shown at the spot, shapes and other controls on the box
    // included; nothing outside the box.
    std::optional<core::ColorValue> Point(double x, double y);
    void Refresh();

    const QImage &surface() const { return m_surface; }
    const QImage &keptImage() const { return m_kept; }

signals:
    // Button: 1 left, 2 right, 4 middle; Shift: 1 Shift, 2 Ctrl, 4 Alt; X and Y
    // in the scale unit.
    void MouseDown(int Button, int Shift, float X, float Y);
    void MouseMove(int Button, int Shift, float X, float Y);
    void MouseUp(int Button, int Shift, float X, float Y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    double unitsPerPixel() const;
    QImage &target();
    void ensureImages();
    void relayImages();

    QImage m_picture;
    QColor m_backColor = Qt::white;
    core::ColorValue m_foreColor = 0x000000;
    core::ColorValue m_fillColor = 0x000000;
    int m_drawWidth = 1;
    bool m_autoRedraw = false;
    ScaleUnit m_unit = ScaleUnit::Twip;
    QImage m_surface;
    QImage m_kept;
};

} // namespace forms
