// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "zedoimport/form2.h"
#include "zedoimport/pagereader.h"

#include <QImage>
#include <QPointer>
#include <QPolygonF>
#include <QString>
#include <QWidget>

class QLineEdit;
class QSpinBox;

namespace forms {
class CheckBox3D;
class CommandButton3D;
class ImageBox;
class Label;
} // namespace forms

namespace zedoimport {

// The importer's window "Krumelo – ny målarbild", for the adult: the chosen
// picture on the left, with the outline of the sheet found in it, and the
// page made of it on the right, place for place; the page of a PDF file, by
// number or by sight ("Sidor …"); the switches for closing small gaps and for
// straightening the sheet; the name, and "Spara", which puts NAME.bmp in the
// current folder, where the settings editor lists it.
class Form1 : public QWidget
{
    Q_OBJECT
public:
    Form1();

    // Opens the file chooser, as the program does when it starts. It opens
    // in the folder chosen from last time, at first in the downloads.
    void Form_Load();
    // Shows the first page of the file and suggests a name from its own; a
    // file that cannot be read is told in a message, and the window keeps
    // what it showed. For a PDF file of more pages, the pages are shown to
    // choose from.
    void OpenFile(const QString &fileName);

    void Command3D1_Click();
    void Spin1_Change();
    void Command3D3_Click();
    void Check3D1_Click();
    void Check3D2_Click();
    void Command3D2_Click();

    forms::Label *Label1 = nullptr;
    forms::Label *Label2 = nullptr;
    forms::ImageBox *Image1 = nullptr;
    forms::ImageBox *Image2 = nullptr;
    forms::CommandButton3D *Command3D1 = nullptr;
    forms::Label *Label3 = nullptr;
    QSpinBox *Spin1 = nullptr;
    forms::CommandButton3D *Command3D3 = nullptr;
    forms::CheckBox3D *Check3D1 = nullptr;
    forms::CheckBox3D *Check3D2 = nullptr;
    forms::Label *Label4 = nullptr;
    QLineEdit *Text1 = nullptr;
    forms::CommandButton3D *Command3D2 = nullptr;
    forms::Label *Label5 = nullptr;

    // The page as it would be saved now; null before a file is chosen.
    const QImage &page() const { return m_page; }
    // The window of the pages of a PDF file while it is open.
    Form2 *pageChooser() const { return m_pageChooser; }

private:
    void buildDesign();
    void buildPictures();
    void buildChoices();
    void buildSaving();
    void connectHandlers();

    void ShowSource(const Source &source);
    void InkPicture();
    void ShowPage();
    void SavePageAs(const QString &name);

    QString m_fileName;
    // The chosen file's bytes, which each of its pages is read from.
    QByteArray m_bytes;
    QImage m_picture;
    // The lines of m_picture; the gap switch changes only the page made of them.
    Inked m_inked;
    QImage m_page;
    QPointer<Form2> m_pageChooser;
};

} // namespace zedoimport
