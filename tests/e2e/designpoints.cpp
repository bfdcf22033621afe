// SPDX-License-Identifier: GPL-3.0-or-later
// designpoints: the points and rectangles of both programs' windows that the
// end-to-end tests click and look at, printed as bash assignments. The tests
// take them through designs.sh, which runs
//
//     eval "$("$KRUMELO_DESIGNPOINTS")"
//
// (CTest sets KRUMELO_DESIGNPOINTS to this program; by hand, point it at
// build/tests/e2e/designpoints). Every value is in pixels of a window's client
// area, from its top-left corner, at one device pixel to the pixel; lib.sh's
// `at` turns them into screen points. They are read from the real windows,
// built on the offscreen platform, so a change of a design reaches every test
// at once. A point is "X Y", a rectangle "X Y WIDTH HEIGHT", a list of them
// runs on in one array.
//
// The colouring program's main window "Krumelo":
//   ZEDO_SIZE       its client size
//   CANVAS          the canvas
//   PAGE_SIZE       the print page's picture: the top-left part of the canvas
//                   that is kept and printed
//   PALETTE         the palette box
//   SWATCHES_N      with N colours (1 to 10), the centres of the N swatches
//   SLUTA SKRIV_UT TOOL   the centres of its buttons
//   FACE            a point of the window's own face, below the buttons
// The settings window "Hämta":
//   ZEDOCONF_SIZE   its client size
//   COUNT_UP COUNT_DOWN   the arrows of the colour count's scroll bar
//   CELLS           the ten colour cells, shown or not
//   FILE_LIST       the file list; FILE_ROW its first entry, the others below
//                   it, one row height apart
//   NAME_BOX PREVIEW   the picture's name and its preview
//   MALA RITA       the marks of the tool's options
//   SMAL MELLAN BRED   the marks of the pen width's options
//   PEN_SAMPLE      the pen sample line from end to end: X1 Y1 X2 Y2
//   CHECK_QUIT CHECK_PRINT CHECK_TOOL   the marks of the check boxes
//   OK AVBRYT       the centres of its buttons
// The page importer's window "Krumelo – ny målarbild":
//   IMPORT_SIZE     its client size
//   IMPORT_PREPARED the prepared page as it is shown, inside its box's line
//   IMPORT_SPARA    the centre of "Spara"
#include "core/error.h"
#include "core/settingsfile.h"
#include "forms/checkbox3d.h"
#include "forms/commandbutton3d.h"
#include "forms/design.h"
#include "forms/filelistbox.h"
#include "forms/imagebox.h"
#include "forms/line.h"
#include "forms/optionbutton3d.h"
#include "forms/panel3d.h"
#include "forms/picturebox.h"
#include "forms/shape.h"
#include "forms/vscrollbar.h"
#include "zedo/form1.h"
#include "zedo/form2.h"
#include "zedoconf/form2.h"
#include "zedoimport/form1.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>
#include <memory>

namespace {

using Numbers = QList<int>;

void print(const char *name, const Numbers &numbers)
{
    QStringList words;
    for (int number : numbers)
        words << QString::number(number);
    QTextStream(stdout) << name << "=(" << words.join(u' ') << ")\n";
}

Numbers numbers(QPoint point)
{
    return {point.x(), point.y()};
}

Numbers numbers(QRect rect)
{
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

Numbers numbers(QSize size)
{
    return {size.width(), size.height()};
}

// A rectangle of the control, in its window's client area.
QRect inWindow(const QWidget *control, QRect rect)
{
    return {control->mapTo(control->window(), rect.topLeft()), rect.size()};
}

QRect inWindow(const QWidget *control)
{
    return inWindow(control, control->rect());
}

QPoint centre(const QWidget *control)
{
    return inWindow(control).center();
}

QPoint mark(const forms::ChoiceButton3D *button)
{
    return inWindow(button, button->markBox()).center();
}

QPoint arrow(const forms::VScrollBar *bar, QStyle::SubControl part)
{
    return inWindow(bar, bar->partRect(part)).center();
}

// The main window loaded with `count` colours, laid out as the program lays
// them out, in the current folder.
std::unique_ptr<zedo::Form1> loadedZedo(int count)
{
    core::ZedoSettings settings;
    settings.PicturePath = QStringLiteral(":/page.bmp");
    settings.Colors.assign(count, 9);
    core::WriteSettings(core::SettingsFileName, settings);
    auto form = std::make_unique<zedo::Form1>();
    form->Form_Load();
    return form;
}

void printSwatches()
{
    for (int count = 1; count <= 10; ++count) {
        const std::unique_ptr<zedo::Form1> form = loadedZedo(count);
        Numbers centres;
        for (int i = 0; i < count; ++i)
            centres << numbers(centre(form->Shape1[i]));
        print(qPrintable(QStringLiteral("SWATCHES_%1").arg(count)), centres);
    }
}

void printZedo()
{
    zedo::Form1 form;
    print("ZEDO_SIZE", numbers(form.size()));
    print("CANVAS", numbers(inWindow(form.Picture1)));
    print("PAGE_SIZE", numbers(form.form2()->Picture1->size()));
    print("PALETTE", numbers(inWindow(form.Picture2)));
    print("SLUTA", numbers(centre(form.Command3D2)));
    print("SKRIV_UT", numbers(centre(form.Command3D1)));
    print("TOOL", numbers(centre(form.Command3D3)));
    const QRect lowest = inWindow(form.Command3D3);
    print("FACE", {lowest.center().x(), (lowest.bottom() + form.height()) / 2});
    printSwatches();
}

// The options, the check boxes, the pen sample and the buttons.
void printChoices(const zedoconf::Form2 &form)
{
    print("MALA", numbers(mark(form.Option3D1[0])));
    print("RITA", numbers(mark(form.Option3D1[1])));
    print("SMAL", numbers(mark(form.Option3D2[0])));
    print("MELLAN", numbers(mark(form.Option3D2[1])));
    print("BRED", numbers(mark(form.Option3D2[2])));
    const QLine sample = form.Line1->points();
    const QWidget *panel = form.Line1->parentWidget();
    print("PEN_SAMPLE",
          numbers(panel->mapTo(&form, sample.p1())) + numbers(panel->mapTo(&form, sample.p2())));
    print("CHECK_QUIT", numbers(mark(form.Check3D1)));
    print("CHECK_PRINT", numbers(mark(form.Check3D2)));
    print("CHECK_TOOL", numbers(mark(form.Check3D3)));
    print("OK", numbers(centre(form.Command3D1)));
    print("AVBRYT", numbers(centre(form.Command3D2)));
}

// The settings window loaded in the current folder, which holds one picture,
// and shown, so that its file list has laid out its entry.
void printZedoconf()
{
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::white);
    if (!picture.save(QStringLiteral("bild.bmp")))
        throw core::Error(QStringLiteral("bild.bmp kunde inte sparas"));
    zedoconf::Form2 form;
    form.Form_Load();
    form.show();
    print("ZEDOCONF_SIZE", numbers(form.size()));
    print("COUNT_UP", numbers(arrow(form.VScroll1, QStyle::SC_ScrollBarSubLine)));
    print("COUNT_DOWN", numbers(arrow(form.VScroll1, QStyle::SC_ScrollBarAddLine)));
    Numbers cells;
    for (const forms::Panel3D *cell : form.Panel3D4)
        cells << numbers(inWindow(cell));
    print("CELLS", cells);
    print("FILE_LIST", numbers(inWindow(form.File1)));
    const QRect row = form.File1->visualItemRect(form.File1->item(0));
    print("FILE_ROW", numbers(inWindow(form.File1->viewport(), row)));
    print("NAME_BOX", numbers(inWindow(form.Text1)));
    print("PREVIEW", numbers(inWindow(form.Image1)));
    printChoices(form);
}

void printZedoimport()
{
    zedoimport::Form1 form;
    print("IMPORT_SIZE", numbers(form.size()));
    print("IMPORT_PREPARED", numbers(inWindow(form.Image2).adjusted(1, 1, -1, -1)));
    print("IMPORT_SPARA", numbers(centre(form.Command3D2)));
}

} // namespace

int main(int argc, char *argv[])
{
    // Design pixels, whatever the screen the tests then run on.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_SCALE_FACTOR");
    QApplication app(argc, argv);
    forms::useDesignLooks();
    QTemporaryDir folder;
    if (!folder.isValid() || !QDir::setCurrent(folder.path())) {
        std::fprintf(stderr, "designpoints: no folder to work in\n");
        return 1;
    }
    try {
        printZedo();
        printZedoconf();
        printZedoimport();
    } catch (const core::Error &error) {
        std::fprintf(stderr, "designpoints: %s\n", qPrintable(error.message()));
        return 1;
    }
    return 0;
}
