// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>

namespace forms {

// The files of one folder whose names match a pattern such as "*.bmp", listed
// by bare name in the order a Swedish reader expects (see core::sortedByName),
// whatever the machine's own language. The folder is the current directory when
// the list is made; the list is filled then and never changes by itself.
// Click is raised whenever the adult moves the selection, by mouse or by
// keyboard; a double click on an entry raises Click for its first press and
// DblClick for its second, if the entry is still selected then. Selecting by
// program raises nothing. No mouse button opens a menu, on the list or on its
// scroll bars. With the focus, a dotted frame lies around the chosen entry.
class FileListBox : public QListWidget
{
    Q_OBJECT
public:
    explicit FileListBox(const QString &pattern, QWidget *parent = nullptr);

    QString Path() const { return m_path; }
    QString Pattern() const { return m_pattern; }
    int ListCount() const { return count(); }
    // The selected entry, -1 when none is.
    int ListIndex() const { return currentRow(); }
    // Selects entry `index`; an index outside the list throws core::Error
    // naming the folder and the pattern.
    void setListIndex(int index);
    // The bare name of the selected entry, empty when none is selected.
    QString FileName() const;

signals:
    void Click();
    void DblClick();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_path;
    QString m_pattern;
    bool m_selectingByProgram = false;
};

} // namespace forms
