// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>

namespace forms {

// What option buttons and check boxes share: a small sunken box for the mark
// at the left, the caption beside it, and a Value that reflects the user's
// last choice. With the focus, a dotted frame lies around the caption, drawn
// beneath it, so the caption always shows whole.
class ChoiceButton3D : public QAbstractButton
{
    Q_OBJECT
public:
    explicit ChoiceButton3D(QWidget *parent = nullptr);

    void setCaption(const QString &caption) { setText(caption); }
    void setValue(bool set) { setChecked(set); }
    bool Value() const { return isChecked(); }
    QSize sizeHint() const override;
    // Where the box of the mark lies: at the left, in the middle of the height.
    QRect markBox() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    // Draws the box and, when set, its mark; while the button is held down
    // the box is grey, as a classic box is.
    virtual void drawMark(QPainter &painter, const QRect &box) const = 0;
};

} // namespace forms
