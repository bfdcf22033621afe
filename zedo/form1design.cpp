// SPDX-License-Identifier: GPL-3.0-or-later
// The design of the main window: every control with its place (twips of its
// container), colours, fonts, captions and pictures, in control order, and
// the tab order, which starts at the palette box, so no key press at start
// reaches a button.
#include "zedo/form1.h"

#include "core/pictureloader.h"
#include "forms/commandbutton3d.h"
#include "forms/design.h"
#include "forms/desktop.h"
#include "forms/panel3d.h"
#include "forms/picturebox.h"
#include "forms/shape.h"
#include "zedo/form2.h"

namespace zedo {

using forms::place;

namespace {

QFont windowFont()
{
    return forms::designFont(QStringLiteral("MS Sans Serif"), 8.25, true);
}

QFont buttonFont()
{
    return forms::designFont(QStringLiteral("MS Sans Serif"), 9.75, true);
}

// A tool image holder: never shown, it only keeps its picture.
forms::PictureBox *toolHolder(QWidget *form, const QString &picture)
{
    auto *holder = new forms::PictureBox(form);
    holder->setPicture(core::LoadPicture(picture));
    holder->setBackColor(QColor(forms::colors::windowBackground));
    holder->hide();
    return holder;
}

} // namespace

Form1::Form1() : QWidget(nullptr)
{
    forms::makeMainWindow(this, QStringLiteral(":/icons/krumelo-zedo.png"));
    setWindowTitle(QStringLiteral("Krumelo"));
    forms::setBackColor(this, forms::colors::lightYellow);
    setFont(windowFont());
    forms::placeCentred(this, ClientTwips);

    buildPalette();
    buildCanvas();
    buildButtons();
    buildToolHolders();
    forms::applyTabOrder({Panel3D1, Picture2, Panel3D2, Picture1, Command3D2, Command3D1,
                          Command3D3, Picture3, Picture4});
    connectEvents();
}

void Form1::buildPalette()
{
    Panel3D1 = new forms::Panel3D(this);
    place(Panel3D1, 0, 0, 2895, 6800);
    Panel3D1->setBackColor(QColor(forms::colors::lightGrey));
    Panel3D1->setCaption(QString());

    Picture2 = new forms::PictureBox(Panel3D1);
    place(Picture2, 240, 360, 2415, 6135);
    Picture2->setBackColor(QColor(forms::colors::lightGrey));
    Picture2->setScaleUnit(forms::PictureBox::ScaleUnit::Twip);
    // What a screen reader calls the palette; each swatch it names by its
    // colour.
    Picture2->setAccessibleName(QStringLiteral("Färger"));

    // The design grid: two columns, five rows.
    for (int i = 0; i < int(Shape1.size()); ++i) {
        Shape1[i] = new forms::Shape(Picture2);
        Shape1[i]->setLeft(i % 2 == 0 ? 0 : 1200);
        Shape1[i]->setTop(120 + 1200 * (i / 2));
        Shape1[i]->setWidth(1215);
        Shape1[i]->setHeight(1095);
        Shape1[i]->setFillColor(0x0000FF);
        Shape1[i]->setBorderColor(QColor(forms::colors::windowText));
        Shape1[i]->hide();
    }
}

void Form1::buildCanvas()
{
    Panel3D2 = new forms::Panel3D(this);
    place(Panel3D2, 2880, 0, 5775, 6800);
    Panel3D2->setBackColor(QColor(forms::colors::lightGrey));
    Panel3D2->setCaption(QString());

    Picture1 = new forms::PictureBox(Panel3D2);
    place(Picture1, 240, 240, CanvasTwips.width(), CanvasTwips.height());
    Picture1->setBackColor(QColor(forms::colors::windowBackground));
    Picture1->setPicture(core::LoadPicture(QStringLiteral(":/page.bmp")));
    Picture1->setForeColor(core::toColorValue(forms::colors::windowText));
    Picture1->setFillColor(0x0000FF);
    Picture1->setDrawWidth(10);
    Picture1->setAutoRedraw(false);
    Picture1->setScaleUnit(forms::PictureBox::ScaleUnit::Pixel);
    Picture1->setAccessibleName(QStringLiteral("Målarbilden"));
}

void Form1::buildButtons()
{
    Command3D2 = new forms::CommandButton3D(this);
    place(Command3D2, 8640, 0, 855, 1215);
    Command3D2->setCaption(QStringLiteral("Sluta"));
    Command3D2->setPicture(core::LoadPicture(QStringLiteral(":/stop.ico")));
    Command3D2->setFont(buttonFont());

    Command3D1 = new forms::CommandButton3D(this);
    place(Command3D1, 8640, 1200, 855, 1215);
    Command3D1->setCaption(QStringLiteral("Skriv ut"));
    Command3D1->setPicture(core::LoadPicture(QStringLiteral(":/printer.bmp")));

    Command3D3 = new forms::CommandButton3D(this);
    place(Command3D3, 8640, 2400, 855, 1215);
    Command3D3->setCaption(QStringLiteral("Måla"));
    Command3D3->setPicture(core::LoadPicture(QStringLiteral(":/palette.bmp")));
    Command3D3->setFont(buttonFont());
}

void Form1::buildToolHolders()
{
    Picture3 = toolHolder(this, QStringLiteral(":/pencil.ico"));
    place(Picture3, 8760, 3840, 615, 615);
    Picture4 = toolHolder(this, QStringLiteral(":/palette.bmp"));
    place(Picture4, 8760, 4560, 615, 615);
}

void Form1::connectEvents()
{
    using forms::CommandButton3D;
    using forms::PictureBox;
    connect(Picture2, &PictureBox::MouseDown, this, &Form1::Picture2_MouseDown);
    connect(Picture1, &PictureBox::MouseDown, this, &Form1::Picture1_MouseDown);
    connect(Picture1, &PictureBox::MouseMove, this, &Form1::Picture1_MouseMove);
    connect(Picture1, &PictureBox::MouseUp, this, &Form1::Picture1_MouseUp);
    connect(Command3D3, &CommandButton3D::Click, this, &Form1::Command3D3_Click);
    connect(Command3D1, &CommandButton3D::Click, this, &Form1::Command3D1_Click);
    connect(Command3D2, &CommandButton3D::Click, this, &Form1::Command3D2_Click);
}

} // namespace zedo
