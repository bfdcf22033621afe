// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

namespace forms {

// Shows a picture stretched to the box's own size, whatever the picture's
// size, inside an optional single black line. Without a picture it shows its
// container through it. It only shows: a press goes to the container.
class ImageBox : public QWidget
{
    Q_OBJECT
public:
    explicit ImageBox(QWidget *parent = nullptr);

    // A null image is no picture.
    void setPicture(const QImage &picture);
    const QImage &Picture() const { return m_picture; }
    void setSingleBorder(bool on);
    bool SingleBorder() const { return m_singleBorder; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
    bool m_singleBorder = false;
};

} // namespace forms
