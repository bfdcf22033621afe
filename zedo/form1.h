// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "zedo/back.h"

#include <QSize>
#include <QWidget>

#include <array>
#include <memory>

namespace forms {
class CommandButton3D;
class Panel3D;
class PictureBox;
class Shape;
} // namespace forms

namespace zedo {

class Form2;

// Sizes of the main window's design, in twips, for code that works without
// the window: the client area and the canvas (Picture1), which is taller than
// the print page's picture (Form2's PageTwips).
inline constexpr QSize ClientTwips(9480, 6795);
inline constexpr QSize CanvasTwips(5295, 6375);

// zedo's Form1 is the main window (in zedoconf, Form1 is the backdrop), where
// the child paints: the palette on the left, the canvas in the middle and the
// buttons to quit, print and switch the tool on the right. It reads its
// settings while it loads, shows the black backdrop behind itself, and keeps
// the print page with the latest painting.
class Form1 : public QWidget
{
    Q_OBJECT
public:
    Form1();
    ~Form1() override;

    // Shows the backdrop, applies the settings file and arranges the palette.
    // Throws core::Error when a setting cannot be applied; the window must
    // then not be shown.
    void Form_Load();

    // The print page, created the first time anything needs it.
    Form2 *form2();

    // The controls, named as in the window design.
    forms::Panel3D *Panel3D1 = nullptr;
    forms::PictureBox *Picture2 = nullptr;
    std::array<forms::Shape *, 10> Shape1{};
    forms::Panel3D *Panel3D2 = nullptr;
    forms::PictureBox *Picture1 = nullptr;
    forms::CommandButton3D *Command3D2 = nullptr;
    forms::CommandButton3D *Command3D1 = nullptr;
    forms::CommandButton3D *Command3D3 = nullptr;
    forms::PictureBox *Picture3 = nullptr;
    forms::PictureBox *Picture4 = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // The window design, in control order (form1design.cpp).
    void buildPalette();
    void buildCanvas();
    void buildButtons();
    void buildToolHolders();
    void connectEvents();

    void Form_Unload();
    void ReadSettings();
    void ArrangePalette();
    void Picture2_MouseDown(int Button, int Shift, float X, float Y);
    void CopyCanvasToPage();
    void CopyPageToCanvas();
    void CommitCanvas();
    void Picture1_MouseDown(int Button, int Shift, float X, float Y);
    void Picture1_MouseMove(int Button, int Shift, float X, float Y);
    void Picture1_MouseUp(int Button, int Shift, float X, float Y);
    void Command3D3_Click();
    void Command3D1_Click();
    void Command3D2_Click();

    qint16 ColorCount = 0;
    qint16 FillMode = 0;
    qint16 PenDown = 0;

    std::unique_ptr<back> m_back;
    std::unique_ptr<Form2> m_form2;
};

} // namespace zedo
