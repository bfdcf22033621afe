// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace forms {

// A raised panel with a bevel, a background colour across its face and a
// caption centred on it. Holds other controls. Every press raises Click; the
// second press of a double click raises DblClick instead, so each press
// counts once. A member of a control array passes its Index. A panel given a
// focus policy is a button to the keyboard and to screen readers: with the
// focus it shows a dotted frame inside its bevel, and Space raises Click.
class Panel3D : public QWidget
{
    Q_OBJECT
public:
    explicit Panel3D(QWidget *parent = nullptr, int index = -1);

    void setBackColor(QColor color);
    QColor BackColor() const { return m_backColor; }
    void setCaption(const QString &caption);
    QString Caption() const { return m_caption; }
    int Index() const { return m_index; }
    // Raises Click, as a press does.
    void click();

signals:
    void Click(int Index);
    void DblClick(int Index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QColor m_backColor = QColor(0xC0, 0xC0, 0xC0);
    QString m_caption;
    int m_index;
};

} // namespace forms
