// SPDX-License-Identifier: GPL-3.0-or-later
// The design of the importer's window: every control with its place (twips),
// font, colours and caption, in the order they are met.
#include "zedoimport/form1.h"

#include "forms/accessible.h"
#include "forms/checkbox3d.h"
#include "forms/commandbutton3d.h"
#include "forms/design.h"
#include "forms/imagebox.h"
#include "forms/label.h"
#include "zedoimport/designparts.h"

#include <QLineEdit>
#include <QSpinBox>

namespace zedoimport {

using design::caption;
using design::command;
using design::SansSerif;
using forms::place;

namespace {

// A switch of how the page is made, on at first.
forms::CheckBox3D *switchBox(QWidget *window, const QString &text)
{
    auto *box = new forms::CheckBox3D(window);
    box->setCaption(text);
    box->setFont(forms::designFont(SansSerif, 12, true));
    box->setValue(true);
    return box;
}

} // namespace

void Form1::buildDesign()
{
    setWindowTitle(QStringLiteral("Krumelo – ny målarbild"));
    setFont(forms::designFont(SansSerif, 8.25, true));
    forms::setBackColor(this, forms::colors::lightYellow);
    forms::placeCentred(this, QSize(11535, 8250));
    buildPictures();
    buildChoices();
    buildSaving();
}

// The boxes are the page's size inside their line, so both show it pixel
// for pixel.
void Form1::buildPictures()
{
    Label1 = caption(this, QStringLiteral("Bilden"), 12);
    place(Label1, 240, 120, 5325, 330);
    Label2 = caption(this, QStringLiteral("Målarbilden, som barnet får den"), 12);
    place(Label2, 5970, 120, 5325, 330);
    Image1 = new forms::ImageBox(this);
    Image1->setSingleBorder(true);
    place(Image1, 240, 480, 5325, 6165);
    forms::nameAfterLabel(Image1, Label1);
    Image2 = new forms::ImageBox(this);
    Image2->setSingleBorder(true);
    place(Image2, 5970, 480, 5325, 6165);
    forms::nameAfterLabel(Image2, Label2);
}

void Form1::buildChoices()
{
    Command3D1 = command(this, QStringLiteral("Välj fil …"));
    place(Command3D1, 240, 6825, 2100, 600);
    Label3 = caption(this, QStringLiteral("Sida"), 12);
    place(Label3, 2490, 6930, 600, 330);
    Spin1 = new QSpinBox(this);
    Spin1->setFont(forms::designFont(SansSerif, 12, false));
    Spin1->setRange(1, 1);
    Spin1->setEnabled(false);
    place(Spin1, 3090, 6870, 900, 480);
    forms::nameAfterLabel(Spin1, Label3);
    Command3D3 = command(this, QStringLiteral("Sidor …"));
    Command3D3->setEnabled(false);
    place(Command3D3, 4140, 6825, 1425, 600);
    Check3D1 = switchBox(this, QStringLiteral("Stäng små glipor"));
    place(Check3D1, 240, 7560, 2700, 450);
    Check3D2 = switchBox(this, QStringLiteral("Räta upp sidan"));
    place(Check3D2, 3090, 7560, 2475, 450);
}

void Form1::buildSaving()
{
    Label4 = caption(this, QStringLiteral("Namn"), 12);
    place(Label4, 5970, 6930, 900, 330);
    Text1 = new QLineEdit(this);
    Text1->setFont(forms::designFont(SansSerif, 12, false));
    place(Text1, 6870, 6870, 2850, 480);
    forms::nameAfterLabel(Text1, Label4);
    Command3D2 = command(this, QStringLiteral("Spara"));
    Command3D2->setEnabled(false);
    place(Command3D2, 9900, 6825, 1395, 600);
    Label5 = caption(this, QString(), 9.75);
    Label5->setWordWrap(true);
    place(Label5, 5970, 7500, 5325, 660);
}

} // namespace zedoimport
