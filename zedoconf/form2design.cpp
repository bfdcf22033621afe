// SPDX-License-Identifier: GPL-3.0-or-later
// The design of the settings window: every control with its place, size,
// font, colours, caption and start value, in the order of the design table.

#include "zedoconf/form2.h"

#include "forms/accessible.h"
#include "forms/checkbox3d.h"
#include "forms/commandbutton3d.h"
#include "forms/design.h"
#include "forms/filelistbox.h"
#include "forms/imagebox.h"
#include "forms/label.h"
#include "forms/line.h"
#include "forms/optionbutton3d.h"
#include "forms/panel3d.h"
#include "forms/vscrollbar.h"

#include <QLineEdit>

namespace zedoconf {

namespace {

const QString SansSerif = QStringLiteral("MS Sans Serif");

forms::Panel3D *groupPanel(QWidget *window, int left, int top, int width, int height)
{
    auto *panel = new forms::Panel3D(window);
    panel->setBackColor(QColor(forms::colors::menu));
    forms::place(panel, left, top, width, height);
    return panel;
}

// The group headings: bold, on the panel's colour, so only the text shows.
// A screen reader names the group after its heading.
forms::Label *heading(QWidget *panel, const QString &caption, Qt::Alignment alignment)
{
    panel->setAccessibleName(caption);
    auto *label = new forms::Label(panel);
    label->setCaption(caption);
    label->setFont(forms::designFont(SansSerif, 12, true));
    label->setBackColor(QColor(forms::colors::menu));
    label->setAlignment(alignment);
    return label;
}

forms::CheckBox3D *checkBox(QWidget *panel, const QString &caption, double points, bool checked)
{
    auto *box = new forms::CheckBox3D(panel);
    box->setCaption(caption);
    box->setFont(forms::designFont(SansSerif, points, true));
    box->setValue(checked);
    return box;
}

forms::OptionButton3D *option(QWidget *panel, int index, const QString &caption, bool set)
{
    auto *button = new forms::OptionButton3D(panel, index);
    button->setCaption(caption);
    button->setFont(forms::designFont(SansSerif, 16.5, true));
    button->setValue(set);
    return button;
}

} // namespace

void Form2::buildDesign()
{
    setWindowTitle(QStringLiteral("Hämta"));
    setFont(forms::designFont(SansSerif, 8.25, true));
    forms::setBackColor(this, forms::colors::lightYellow);
    forms::placeCentred(this, ClientTwips);

    Panel3D3 = groupPanel(this, 0, 0, 2535, 1695);
    Panel3D5 = groupPanel(this, 0, 1680, 2535, 5120);
    Panel3D2 = groupPanel(this, 2520, 0, 2895, 6800);
    Panel3D6 = groupPanel(this, 5400, 0, 2775, 1815);
    Panel3D1 = groupPanel(this, 5400, 1800, 2775, 2655);
    Panel3D7 = groupPanel(this, 5400, 4440, 2775, 2360);
    buildCommands();
    buildCountGroup();
    buildCellGroup();
    buildPictureGroup();
    buildToolGroup();
    buildButtonGroup();
    buildPenGroup();
    setDesignTabOrder();
}

void Form2::buildCommands()
{
    const auto command = [this](const QString &caption) {
        auto *button = new forms::CommandButton3D(this);
        button->setCaption(caption);
        button->setFont(forms::designFont(SansSerif, 18, false));
        return button;
    };
    Command3D1 = command(QStringLiteral("OK"));
    forms::place(Command3D1, 8160, 4440, 1335, 1215);
    Command3D2 = command(QStringLiteral("Avbryt"));
    forms::place(Command3D2, 8160, 5640, 1335, 1170);
}

void Form2::buildCountGroup()
{
    Label4[0] = heading(Panel3D3, QStringLiteral("Antal färger"), Qt::AlignLeft);
    forms::place(Label4[0], 480, 240, 1455, 375);

    Label3 = new forms::Label(Panel3D3);
    Label3->setCaption(QStringLiteral("3"));
    Label3->setFont(forms::designFont(QStringLiteral("Times New Roman"), 30, false));
    Label3->setBackColor(QColor(forms::colors::windowBackground));
    Label3->setAlignment(Qt::AlignHCenter);
    Label3->setSingleBorder(true);
    forms::place(Label3, 600, 600, 975, 735);

    // The upper arrow raises the count, as it does beside any number.
    VScroll1 = new forms::VScrollBar(Panel3D3);
    VScroll1->setMin(10);
    VScroll1->setMax(1);
    VScroll1->setSmallChange(1);
    VScroll1->setLargeChange(1);
    VScroll1->setValue(3);
    forms::place(VScroll1, 1560, 600, 255, 735);
    forms::nameAfterLabel(VScroll1, Label4[0]);
}

// Each cell is a button to the keyboard and to a screen reader, which reads
// its caption and colour (PaintCell). Tab reaches it; a click does not give
// it the focus, so the mouse leaves no mark on it.
void Form2::buildCellGroup()
{
    Panel3D5->setAccessibleName(QStringLiteral("Färger"));
    for (int i = 0; i < int(Panel3D4.size()); ++i) {
        auto *cell = new forms::Panel3D(Panel3D5, i);
        cell->setCaption(QStringLiteral("Färg %1").arg(i + 1));
        cell->setBackColor(QColor(255, 0, 0));
        cell->setFont(forms::designFont(SansSerif, 8.55, true));
        forms::place(cell, i % 2 == 0 ? 360 : 1320, 240 + 960 * (i / 2), 855, 855);
        cell->setVisible(i < 3);
        cell->setFocusPolicy(Qt::TabFocus);
        Panel3D4[i] = cell;
    }
}

void Form2::buildPictureGroup()
{
    Label4[1] = heading(Panel3D2, QStringLiteral("Välj bild"), Qt::AlignLeft);
    forms::place(Label4[1], 720, 240, 975, 375);

    Text1 = new QLineEdit(Panel3D2);
    Text1->setFont(forms::designFont(SansSerif, 13.5, false));
    Text1->setEnabled(false);
    // The box's own menu would offer to edit a name that only the list sets.
    Text1->setContextMenuPolicy(Qt::NoContextMenu);
    forms::place(Text1, 240, 600, 2415, 480);
    Text1->setAccessibleName(Label4[1]->Caption());

    Image1 = new forms::ImageBox(Panel3D2);
    Image1->setSingleBorder(true);
    forms::place(Image1, 360, 1200, 2175, 2415);
    Image1->setAccessibleName(QStringLiteral("Vald bild"));

    File1 = new forms::FileListBox(QStringLiteral("*.bmp"), Panel3D2);
    File1->setFont(forms::designFont(SansSerif, 13.5, false));
    forms::place(File1, 240, 3720, 2415, 2910);
    forms::nameAfterLabel(File1, Label4[1]);
}

void Form2::buildToolGroup()
{
    Label2 = heading(Panel3D6, QStringLiteral("Måla eller rita"), Qt::AlignHCenter);
    forms::place(Label2, 480, 240, 1815, 375);
    Option3D1[0] = option(Panel3D6, 0, QStringLiteral("Måla (färglägg)"), true);
    forms::place(Option3D1[0], 480, 720, 2055, 375);
    Option3D1[1] = option(Panel3D6, 1, QStringLiteral("Rita"), false);
    forms::place(Option3D1[1], 480, 1080, 1455, 375);
}

void Form2::buildButtonGroup()
{
    Label1 = heading(Panel3D1, QStringLiteral("Synliga knappar"), Qt::AlignHCenter);
    forms::place(Label1, 480, 240, 1815, 855);
    Check3D1 = checkBox(Panel3D1, QStringLiteral("Sluta"), 12.5, true);
    forms::place(Check3D1, 480, 960, 1575, 495);
    Check3D2 = checkBox(Panel3D1, QStringLiteral("Skriv ut"), 11.89, false);
    forms::place(Check3D2, 480, 1320, 1695, 615);
    Check3D3 = checkBox(Panel3D1, QStringLiteral("Måla/Rita"), 12.5, false);
    forms::place(Check3D3, 480, 1800, 1575, 495);
}

void Form2::buildPenGroup()
{
    Label5 = heading(Panel3D7, QStringLiteral("Bredd på pennan"), Qt::AlignHCenter);
    forms::place(Label5, 480, 240, 1815, 735);
    Option3D2[0] = option(Panel3D7, 0, QStringLiteral("Smal"), false);
    forms::place(Option3D2[0], 480, 960, 975, 375);
    Option3D2[1] = option(Panel3D7, 1, QStringLiteral("Mellan"), true);
    forms::place(Option3D2[1], 480, 1320, 1215, 375);
    Option3D2[2] = option(Panel3D7, 2, QStringLiteral("Bred"), false);
    forms::place(Option3D2[2], 480, 1680, 975, 375);

    Line1 = new forms::Line(Panel3D7);
    Line1->setBorderColor(QColor(255, 0, 0));
    Line1->setBorderWidth(10);
    Line1->setPoints(2160, 1080, 2160, 1920);
    Line1->setAccessibleName(QStringLiteral("Prov på pennan"));
}

// Every control in the design's tab order; the first that takes the focus is
// the file list.
void Form2::setDesignTabOrder()
{
    QList<QWidget *> order = {Panel3D2,  File1,    Text1,    Label3,
                              Label4[0], Panel3D3, VScroll1, Panel3D5};
    order += QList<QWidget *>(Panel3D4.begin(), Panel3D4.end());
    order += {Label4[1], Panel3D1, Check3D1, Check3D2, Check3D3,   Label1,
              Panel3D6,  Panel3D7, Label2,   Label5,   Command3D1, Command3D2};
    order += QList<QWidget *>(Option3D1.begin(), Option3D1.end());
    order += QList<QWidget *>(Option3D2.begin(), Option3D2.end());
    forms::applyTabOrder(order);
}

} // namespace zedoconf
