// SPDX-License-Identifier: GPL-3.0-or-later
#include "zedoconf/form2.h"

#include "core/colortable.h"
#include "core/pictureloader.h"
#include "core/settingsfile.h"
#include "forms/checkbox3d.h"
#include "forms/commandbutton3d.h"
#include "forms/desktop.h"
#include "forms/filelistbox.h"
#include "forms/imagebox.h"
#include "forms/label.h"
#include "forms/line.h"
#include "forms/optionbutton3d.h"
#include "forms/panel3d.h"
#include "forms/runtime.h"
#include "forms/vscrollbar.h"

#include <QCloseEvent>
#include <QLineEdit>

namespace zedoconf {

namespace {

QColor cellColor(qint16 index)
{
    return QColor(core::toRgb(core::QBColor(index)));
}

qint16 asInteger(bool value)
{
    return value ? -1 : 0;
}

} // namespace

Form2::Form2() : QWidget(nullptr, Qt::Window)
{
    // No minimize, which would leave the adult with nothing but the black
    // backdrop.
    forms::makeMainWindow(this, QStringLiteral(":/icons/krumelo-zedoconf.png"));
    buildDesign();
    connectHandlers();
}

void Form2::connectHandlers()
{
    connect(File1, &forms::FileListBox::Click, this, &Form2::File1_Click);
    connect(File1, &forms::FileListBox::DblClick, this, &Form2::File1_DblClick);
    connect(VScroll1, &forms::VScrollBar::Change, this, &Form2::VScroll1_Change);
    for (forms::Panel3D *cell : Panel3D4) {
        connect(cell, &forms::Panel3D::Click, this, &Form2::Panel3D4_Click);
        connect(cell, &forms::Panel3D::DblClick, this, &Form2::Panel3D4_DblClick);
    }
    for (forms::OptionButton3D *option : Option3D2)
        connect(option, &forms::OptionButton3D::Click, this, &Form2::Option3D2_Click);
    connect(Command3D1, &forms::CommandButton3D::Click, this, &Form2::Command3D1_Click);
    connect(Command3D2, &forms::CommandButton3D::Click, this, &Form2::Command3D2_Click);
}

void Form2::Form_Load()
{
    m_form1 = std::make_unique<Form1>();
    m_form1->show();
    m_form1->keepBehind(this);
    PenWidth = 10;
    File1->setListIndex(0);
    ShowChosenPicture();
    SetDefaultColors();
}

void Form2::SetDefaultColors()
{
    CellColors = {12, 9, 2, 14, 10, 11, 4, 8, 15, 0};
    for (int i = 0; i <= 9; ++i)
        PaintCell(i);
}

// The cell shows its colour, and a screen reader reads it with the caption,
// "Färg 1, röd", and says it again whenever it changes.
void Form2::PaintCell(int Index)
{
    forms::Panel3D *cell = Panel3D4[Index];
    cell->setBackColor(cellColor(CellColors[Index]));
    cell->setAccessibleName(QStringLiteral("%1, %2").arg(
        cell->Caption(), core::colorName(core::QBColor(CellColors[Index]))));
}

// The name is shown first and the picture is loaded from what the name box
// then holds, so the preview always shows what will be saved.
void Form2::ShowChosenPicture()
{
    Text1->setText(File1->FileName());
    Image1->setPicture(core::LoadPicture(Text1->text()));
}

void Form2::Form_Unload()
{
    m_form1.reset();
}

void Form2::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

// A picture that cannot be shown, damaged or removed or changed since the
// list was made, is reported and not chosen: the name, the preview and the
// list go back to the picture shown before, and every other choice stays.
void Form2::File1_Click()
{
    const QString shown = Text1->text();
    try {
        ShowChosenPicture();
    } catch (const core::Error &error) {
        Text1->setText(shown);
        const QList<QListWidgetItem *> entry = File1->findItems(shown, Qt::MatchExactly);
        if (!entry.isEmpty())
            File1->setListIndex(File1->row(entry.first()));
        forms::MsgBox(error.message() +
                      QStringLiteral("\n\nBilden är inte vald. Bilden du valde förut är kvar, "
                                     "och allt annat du har valt finns också kvar."));
    }
}

void Form2::File1_DblClick()
{
    Command3D1_Click();
}

void Form2::VScroll1_Change()
{
    const int n = VScroll1->Value();
    Label3->setCaption(QString::number(n));
    for (int i = n; i <= 9; ++i)
        Panel3D4[i]->setVisible(false);
    for (int i = 0; i <= n - 1; ++i)
        Panel3D4[i]->setVisible(true);
}

void Form2::Panel3D4_Click(int Index)
{
    CellColors[Index] += 1;
    if (CellColors[Index] > 15)
        CellColors[Index] = 0;
    PaintCell(Index);
}

void Form2::Panel3D4_DblClick(int Index)
{
    Panel3D4_Click(Index);
}

void Form2::Option3D2_Click(int Index, int /*Value*/)
{
    PenWidth = qint16((Index + 1) * 5);
    Line1->setBorderWidth(PenWidth);
}

// Every value is read from the window as it is now. A save that fails leaves
// the old file as it was and the window open with every choice, so the adult
// can mend the cause and try again.
void Form2::Command3D1_Click()
{
    core::ZedoSettings settings;
    settings.PicturePath = Text1->text();
    const int n = VScroll1->Value();
    for (int i = 0; i <= n - 1; ++i)
        settings.Colors.push_back(CellColors[i]);
    settings.PenWidth = PenWidth;
    settings.StartInFillMode = asInteger(Option3D1[0]->Value());
    settings.ShowQuit = asInteger(Check3D1->Value());
    settings.ShowPrint = asInteger(Check3D2->Value());
    settings.ShowToolToggle = asInteger(Check3D3->Value());
    try {
        core::WriteSettings(core::SettingsFileName, settings);
    } catch (const core::Error &error) {
        forms::MsgBox(error.message() +
                      QStringLiteral("\n\nInställningarna är inte sparade, men allt du har valt "
                                     "finns kvar. Rätta felet och tryck på \"OK\" igen, eller "
                                     "tryck på \"Avbryt\" för att sluta utan att spara."));
        return;
    }
    Command3D2_Click();
}

void Form2::Command3D2_Click()
{
    forms::End();
}

} // namespace zedoconf
