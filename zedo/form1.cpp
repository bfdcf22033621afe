// SPDX-License-Identifier: GPL-3.0-or-later
#include "zedo/form1.h"

#include "core/colortable.h"
#include "core/error.h"
#include "core/pictureloader.h"
#include "core/raster.h"
#include "core/settingsfile.h"
#include "forms/commandbutton3d.h"
#include "forms/picturebox.h"
#include "forms/printing.h"
#include "forms/runtime.h"
#include "forms/shape.h"
#include "zedo/form2.h"

#include <QCloseEvent>

#include <cmath>
#include <limits>
#include <optional>

namespace zedo {

namespace {

// The order in which a press on the palette tries the sixteen colours; each
// colour index is tried against the colour shown under the pointer. It begins
// with the settings editor's default cell colours, but nothing ties the two:
// the sixteen colours all differ, so at most one matches and the order never
// changes which colour is picked.
constexpr std::array<int, core::ColorIndexCount> PickOrder = {12, 9, 2, 14, 10, 11, 4, 8,
                                                              15, 0, 1, 3,  5,  6,  7, 13};

// Where ArrangePalette puts the swatches of one column, in twips of the
// palette box. Without a size the swatches keep their design size.
struct PaletteLayout
{
    int left;
    int firstTop;
    int step;
    std::optional<int> size;
};

// Halves go to the even neighbour, as coordinates are rounded everywhere.
int nearest(double value)
{
    return int(std::nearbyint(value));
}

// The swatch loop counts up to ColorCount - 1, a 16-bit number like
// ColorCount itself, and there are only ten swatches.
void checkColorCount(const core::SettingsReader &file, qint16 count, int swatches)
{
    const QString field = QStringLiteral("ColorCount");
    if (count > swatches)
        file.reject(field,
                    QStringLiteral("%1 färger går inte att visa, det finns bara %2 färgrutor")
                        .arg(count)
                        .arg(swatches));
    if (count == std::numeric_limits<qint16>::min())
        file.reject(field, QStringLiteral("talet %1 är för litet").arg(count));
}

} // namespace

Form1::~Form1() = default;

Form2 *Form1::form2()
{
    if (!m_form2)
        m_form2 = std::make_unique<Form2>();
    return m_form2.get();
}

void Form1::Form_Load()
{
    m_back = std::make_unique<back>();
    m_back->show();
    m_back->keepBehind(this);
    ReadSettings();
    ArrangePalette();
}

void Form1::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    QWidget::closeEvent(event);
}

void Form1::Form_Unload()
{
    m_back.reset();
    m_form2.reset();
}

// Each value takes effect as soon as it is read, so a fault in the file stops
// the program with everything before it applied. A value the controls refuse
// is reported with the file and the field it came from. The file closes on
// return.
void Form1::ReadSettings()
{
    core::SettingsReader file(core::SettingsFileName);
    const QString PicturePath = file.readString(QStringLiteral("PicturePath"));
    file.apply(QStringLiteral("PicturePath"),
               [&] { Picture1->setPicture(core::LoadPicture(PicturePath)); });
    ColorCount = file.readInteger(QStringLiteral("ColorCount"));
    checkColorCount(file, ColorCount, int(Shape1.size()));
    for (int i = 0; i < ColorCount; ++i) {
        const QString field = QStringLiteral("Colors(%1)").arg(i);
        const qint16 c = file.readInteger(field);
        Shape1[i]->setVisible(true);
        file.apply(field, [&] { Shape1[i]->setFillColor(core::QBColor(c)); });
    }
    Picture1->setFillColor(Shape1[0]->FillColor());
    Picture1->setForeColor(Shape1[0]->FillColor());
    const qint16 PenWidth = file.readInteger(QStringLiteral("PenWidth"));
    file.apply(QStringLiteral("PenWidth"), [&] { Picture1->setDrawWidth(PenWidth); });
    FillMode = file.readInteger(QStringLiteral("StartInFillMode"));
    if (FillMode == 0) {
        Command3D3->setPicture(Picture3->picture());
        Command3D3->setCaption(QStringLiteral("Rita"));
    }
    Command3D2->setVisible(file.readInteger(QStringLiteral("ShowQuit")) != 0);
    Command3D1->setVisible(file.readInteger(QStringLiteral("ShowPrint")) != 0);
    Command3D3->setVisible(file.readInteger(QStringLiteral("ShowToolToggle")) != 0);
}

// One to five colours stand in one column, larger the fewer they are; six or
// more keep the design grid.
void Form1::ArrangePalette()
{
    PaletteLayout layout;
    if (ColorCount < 3)
        layout = {100, 400, 3000, 2200};
    else if (ColorCount < 4)
        layout = {270, 70, 2100, 1850};
    else if (ColorCount < 5)
        layout = {540, 30, 1550, 1400};
    else if (ColorCount < 6)
        layout = {600, 30, 1240, std::nullopt};
    else
        return;
    int top = layout.firstTop;
    for (int i = 0; i < ColorCount; ++i) {
        Shape1[i]->setTop(top);
        Shape1[i]->setLeft(layout.left);
        if (layout.size) {
            Shape1[i]->setWidth(*layout.size);
            Shape1[i]->setHeight(*layout.size);
        }
        top += layout.step;
    }
}

// Every button picks; a colour outside the sixteen picks nothing.
void Form1::Picture2_MouseDown(int /*Button*/, int /*Shift*/, float X, float Y)
{
    const std::optional<core::ColorValue> shown = Picture2->Point(X, Y);
    if (!shown)
        return;
    for (int k : PickOrder) {
        if (*shown == core::QBColor(k)) {
            Picture1->setForeColor(core::QBColor(k));
            Picture1->setFillColor(core::QBColor(k));
            return;
        }
    }
}

// Both copies take the page picture's size, so paint below it on the taller
// canvas is never kept. Each shows again only the pixels it changed.
void Form1::CopyCanvasToPage()
{
    forms::PictureBox *page = form2()->Picture1;
    const int width = nearest(page->ScaleWidth());
    const int height = nearest(page->ScaleHeight());
    const QImage &canvas = Picture1->hDC();
    page->drawOnDC(
        [&](QImage &pageDC) { return core::BitBlt(pageDC, 0, 0, width, height, canvas, 0, 0); });
}

void Form1::CopyPageToCanvas()
{
    const forms::PictureBox *page = form2()->Picture1;
    const int width = nearest(page->ScaleWidth());
    const int height = nearest(page->ScaleHeight());
    Picture1->drawOnDC([&](QImage &canvas) {
        return core::BitBlt(canvas, 0, 0, width, height, page->hDC(), 0, 0);
    });
}

// What the screen shows goes to the print page and from there into the
// canvas's kept image.
void Form1::CommitCanvas()
{
    CopyCanvasToPage();
    Picture1->setAutoRedraw(true);
    CopyPageToCanvas();
    Picture1->setAutoRedraw(false);
}

void Form1::Picture1_MouseDown(int /*Button*/, int /*Shift*/, float X, float Y)
{
    if (FillMode != 0) {
        const QRgb fill = core::toRgb(Picture1->FillColor());
        Picture1->drawOnDC([&](QImage &canvas) {
            return core::FloodFill(canvas, nearest(X), nearest(Y), qRgb(0, 0, 0), fill);
        });
    } else {
        PenDown = -1;
        Picture1->PSet(X, Y);
    }
    CommitCanvas();
}

void Form1::Picture1_MouseMove(int /*Button*/, int /*Shift*/, float X, float Y)
{
    if (PenDown)
        Picture1->PSet(X, Y);
}

void Form1::Picture1_MouseUp(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/)
{
    PenDown = 0;
    CommitCanvas();
}

void Form1::Command3D3_Click()
{
    if (FillMode == -1) {
        FillMode = 0;
        Command3D3->setPicture(Picture3->picture());
        Command3D3->setCaption(QStringLiteral("Rita"));
    } else {
        FillMode = -1;
        Command3D3->setPicture(Picture4->picture());
        Command3D3->setCaption(QStringLiteral("Måla"));
    }
}

// A print that fails says why and leaves the painting as it is: the child
// can go on and the adult can try again. A page that waits says so too.
void Form1::Command3D1_Click()
{
    CommitCanvas();
    try {
        const std::unique_ptr<QPrinter> printer = forms::DefaultPrinter();
        const QString note = forms::PrintForm(form2(), *printer);
        if (!note.isEmpty())
            forms::MsgBox(note);
    } catch (const core::Error &error) {
        forms::MsgBox(error.message());
    }
}

void Form1::Command3D2_Click()
{
    forms::End();
}

} // namespace zedo
