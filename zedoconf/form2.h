// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/backdrop.h"

#include <QWidget>

#include <array>
#include <memory>

class QLineEdit;

namespace forms {
class CheckBox3D;
class CommandButton3D;
class FileListBox;
class ImageBox;
class Label;
class Line;
class OptionButton3D;
class Panel3D;
class VScrollBar;
} // namespace forms

namespace zedoconf {

// zedoconf's Form1 is the black backdrop that hides the desktop behind the
// settings window (in zedo, Form1 is the main window and the backdrop is
// `back`).
using Form1 = forms::Backdrop;

// The size of the settings window's client area in its design, in twips.
inline constexpr QSize ClientTwips(9480, 6795);

// zedoconf's Form2 is the settings window "Hämta" (in zedo, Form2 is the print
// page), in which the adult chooses the picture, the colours, the pen width,
// the starting tool and the visible buttons of the colouring program, and saves
// them to zedo.ini. Every run starts from the built-in defaults: the window
// never reads zedo.ini. The controls keep the names of the window design, so
// each handler reads as its steps.
class Form2 : public QWidget
{
    Q_OBJECT
public:
    Form2();

    // Shows the backdrop, selects and previews the first bitmap of the folder
    // and paints the colour cells. Throws core::Error, before the window is
    // ever shown, when the folder has no bitmap or the first one cannot be read.
    void Form_Load();

    void File1_Click();
    void File1_DblClick();
    void VScroll1_Change();
    void Panel3D4_Click(int Index);
    void Panel3D4_DblClick(int Index);
    void Option3D2_Click(int Index, int Value);
    void Command3D1_Click();
    void Command3D2_Click();

    forms::Panel3D *Panel3D3;
    std::array<forms::Label *, 2> Label4;
    forms::Label *Label3;
    forms::VScrollBar *VScroll1;
    forms::Panel3D *Panel3D5;
    std::array<forms::Panel3D *, 10> Panel3D4;
    forms::Panel3D *Panel3D2;
    QLineEdit *Text1;
    forms::ImageBox *Image1;
    forms::FileListBox *File1;
    forms::Panel3D *Panel3D6;
    forms::Label *Label2;
    std::array<forms::OptionButton3D *, 2> Option3D1;
    forms::Panel3D *Panel3D1;
    forms::Label *Label1;
    forms::CheckBox3D *Check3D1;
    forms::CheckBox3D *Check3D2;
    forms::CheckBox3D *Check3D3;
    forms::Panel3D *Panel3D7;
    forms::Label *Label5;
    std::array<forms::OptionButton3D *, 3> Option3D2;
    forms::Line *Line1;
    forms::CommandButton3D *Command3D1;
    forms::CommandButton3D *Command3D2;

    // The backdrop while it is loaded, else null.
    Form1 *backdrop() const { return m_form1.get(); }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildDesign();
    void buildCountGroup();
    void buildCellGroup();
    void buildPictureGroup();
    void buildToolGroup();
    void buildButtonGroup();
    void buildPenGroup();
    void buildCommands();
    void setDesignTabOrder();
    void connectHandlers();

    void SetDefaultColors();
    void PaintCell(int Index);
    void ShowChosenPicture();
    void Form_Unload();

    std::array<qint16, 10> CellColors{};
    qint16 PenWidth = 0;
    std::unique_ptr<Form1> m_form1;
};

} // namespace zedoconf
