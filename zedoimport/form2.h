// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDialog>

class QListView;

namespace forms {
class CommandButton3D;
class Label;
} // namespace forms

namespace zedoimport {

class PageThumbnails;

// The window "Välj sida": every page of a PDF file as a small picture with
// its number, for the adult to pick the page to colour by sight. A click on
// a page chooses it and closes the window; "Avbryt" closes it and chooses
// nothing.
class Form2 : public QDialog
{
    Q_OBJECT
public:
    // `pdf` holds the bytes of the file; `current` (from 1) is shown chosen.
    Form2(const QByteArray &pdf, int current, QWidget *parent = nullptr);

    void List1_Click(const QModelIndex &index);
    void Command3D1_Click();

    forms::Label *Label1 = nullptr;
    QListView *List1 = nullptr;
    forms::CommandButton3D *Command3D1 = nullptr;

signals:
    // Page `page` (from 1) was chosen.
    void PageChosen(int page);

private:
    PageThumbnails *m_pages = nullptr;
};

} // namespace zedoimport
