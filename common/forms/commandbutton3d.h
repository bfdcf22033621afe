// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QImage>

namespace forms {

// A push button with a bevel that shows its picture above its caption, both
// centred; either can be replaced at any time and shows at once. Click is
// raised when the button is released over itself, as with any push button,
// or when Space is let go while it has the focus. With the focus, a dotted
// frame lies inside the bevel, beneath the picture and the caption.
class CommandButton3D : public QAbstractButton
{
    Q_OBJECT
public:
    explicit CommandButton3D(QWidget *parent = nullptr);

    void setCaption(const QString &caption) { setText(caption); }
    QString Caption() const { return text(); }
    void setPicture(const QImage &picture);
    const QImage &Picture() const { return m_picture; }
    QSize sizeHint() const override;

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
};

} // namespace forms
