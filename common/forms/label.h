// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace forms {

// A caption on a window: plain text from the top of the box, wrapped at
// words when it is wider than the box, on the label's own background, with
// an optional single black line around it. The horizontal alignment is set
// with setAlignment (Qt::AlignLeft, Qt::AlignHCenter or Qt::AlignRight).
class Label : public QLabel
{
    Q_OBJECT
public:
    explicit Label(QWidget *parent = nullptr);

    void setCaption(const QString &caption) { setText(caption); }
    QString Caption() const { return text(); }
    void setBackColor(QColor color);
    QColor BackColor() const;
    void setAlignment(Qt::Alignment horizontal);
    void setSingleBorder(bool on);
};

} // namespace forms
