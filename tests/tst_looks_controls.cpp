// SPDX-License-Identifier: GPL-3.0-or-later
// Each kind of control in each state it can show, as a whole picture on a
// piece of window around it, compared with its reference picture.
#include "fixture/reference.h"

#include "core/colortable.h"
#include "core/pictureloader.h"
#include "forms/checkbox3d.h"
#include "forms/commandbutton3d.h"
#include "forms/design.h"
#include "forms/filelistbox.h"
#include "forms/imagebox.h"
#include "forms/label.h"
#include "forms/line.h"
#include "forms/optionbutton3d.h"
#include "forms/panel3d.h"
#include "forms/picturebox.h"
#include "forms/shape.h"
#include "forms/vscrollbar.h"

#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int Margin = 6;
const QString SansSerif = QStringLiteral("MS Sans Serif");

// A piece of window in the colour the control stands on in the designs, the
// control at its design size with a margin around it.
// The window keeps the focus itself unless the control is given it.
struct Stage
{
    Stage()
    {
        window.setFocusPolicy(Qt::StrongFocus);
        window.setFocus();
    }

    QWidget window;
    QWidget *control = nullptr;

    void hold(QWidget *made, QSize size, QRgb background)
    {
        control = made;
        forms::setBackColor(&window, background);
        window.setFixedSize(size + QSize(2 * Margin, 2 * Margin));
        control->setGeometry(QRect(QPoint(Margin, Margin), size));
    }
};

// The folder the file list shows, with names that test the order.
QTemporaryDir &pictureFolder()
{
    static QTemporaryDir folder;
    static const bool filled = [] {
        for (const char *name : {"ballonger.bmp", "Bil.bmp", "åsna.bmp", "ört.bmp", "zebra.bmp",
                                 "äpple.bmp", "hus.bmp", "fisk.bmp", "yxa.bmp", "Öga.bmp"}) {
            QFile file(folder.filePath(QString::fromUtf8(name)));
            if (!file.open(QIODevice::WriteOnly))
                qFatal("cannot write %s", name);
        }
        return true;
    }();
    Q_UNUSED(filled);
    return folder;
}

QWidget *commandButton(Stage &stage)
{
    auto *button = new forms::CommandButton3D(&stage.window);
    button->setCaption(QStringLiteral("Sluta"));
    button->setPicture(core::LoadPicture(QStringLiteral(":/stop.ico")));
    button->setFont(forms::designFont(SansSerif, 9.75, true));
    stage.hold(button, {57, 81}, forms::colors::lightYellow);
    return button;
}

QWidget *captionButton(Stage &stage)
{
    auto *button = new forms::CommandButton3D(&stage.window);
    button->setCaption(QStringLiteral("Avbryt"));
    button->setFont(forms::designFont(SansSerif, 18, false));
    stage.hold(button, {89, 78}, forms::colors::lightYellow);
    return button;
}

QWidget *optionButton(Stage &stage, const QString &caption, int width)
{
    auto *option = new forms::OptionButton3D(&stage.window, 0);
    option->setCaption(caption);
    option->setFont(forms::designFont(SansSerif, 16.5, true));
    stage.hold(option, {width, 25}, forms::colors::menu);
    return option;
}

QWidget *checkBox(Stage &stage)
{
    auto *box = new forms::CheckBox3D(&stage.window);
    box->setCaption(QStringLiteral("Skriv ut"));
    box->setFont(forms::designFont(SansSerif, 11.89, true));
    stage.hold(box, {113, 41}, forms::colors::menu);
    return box;
}

QWidget *colourCell(Stage &stage)
{
    auto *cell = new forms::Panel3D(&stage.window, 0);
    cell->setCaption(QStringLiteral("Färg 1"));
    cell->setBackColor(QColor(core::toRgb(core::QBColor(12))));
    cell->setFont(forms::designFont(SansSerif, 8.55, true));
    stage.hold(cell, {57, 57}, forms::colors::menu);
    return cell;
}

QWidget *countBar(Stage &stage)
{
    auto *bar = new forms::VScrollBar(&stage.window);
    bar->setMin(10);
    bar->setMax(1);
    bar->setSmallChange(1);
    bar->setLargeChange(1);
    bar->setValue(3);
    stage.hold(bar, {17, 49}, forms::colors::menu);
    return bar;
}

QWidget *fileList(Stage &stage, bool manyEntries)
{
    const QString previous = QDir::currentPath();
    QDir::setCurrent(pictureFolder().path());
    auto *list = new forms::FileListBox(QStringLiteral("*.bmp"), &stage.window);
    QDir::setCurrent(previous);
    list->setFont(forms::designFont(SansSerif, 13.5, false));
    list->setListIndex(0);
    stage.hold(list, {161, manyEntries ? 120 : 194}, forms::colors::menu);
    return list;
}

QWidget *heading(Stage &stage)
{
    auto *label = new forms::Label(&stage.window);
    label->setCaption(QStringLiteral("Synliga knappar"));
    label->setFont(forms::designFont(SansSerif, 12, true));
    label->setBackColor(QColor(forms::colors::menu));
    label->setAlignment(Qt::AlignHCenter);
    stage.hold(label, {121, 57}, forms::colors::menu);
    return label;
}

QWidget *countLabel(Stage &stage)
{
    auto *label = new forms::Label(&stage.window);
    label->setCaption(QStringLiteral("10"));
    label->setFont(forms::designFont(QStringLiteral("Times New Roman"), 30, false));
    label->setBackColor(QColor(forms::colors::windowBackground));
    label->setAlignment(Qt::AlignHCenter);
    label->setSingleBorder(true);
    stage.hold(label, {65, 49}, forms::colors::menu);
    return label;
}

// The name box is disabled in its design: it shows the name and takes nothing.
QWidget *nameBox(Stage &stage)
{
    auto *box = new QLineEdit(QStringLiteral("ballonger.bmp"), &stage.window);
    box->setFont(forms::designFont(SansSerif, 13.5, false));
    box->setEnabled(false);
    stage.hold(box, {161, 32}, forms::colors::menu);
    return box;
}

QWidget *preview(Stage &stage)
{
    auto *image = new forms::ImageBox(&stage.window);
    image->setSingleBorder(true);
    image->setPicture(core::LoadPicture(QStringLiteral(":/page.bmp")));
    stage.hold(image, {145, 161}, forms::colors::menu);
    return image;
}

QWidget *penSample(Stage &stage)
{
    auto *line = new forms::Line(&stage.window);
    line->setBorderColor(QColor(255, 0, 0));
    line->setBorderWidth(15);
    forms::setBackColor(&stage.window, forms::colors::menu);
    stage.window.setFixedSize(40, 70);
    line->setPoints(300, 150, 300, 900);
    stage.control = line;
    return line;
}

QWidget *swatch(Stage &stage)
{
    auto *palette = new forms::PictureBox(&stage.window);
    palette->setBackColor(QColor(forms::colors::lightGrey));
    stage.hold(palette, {81, 73}, forms::colors::lightGrey);
    auto *shape = new forms::Shape(palette);
    shape->setWidth(1215);
    shape->setHeight(1095);
    shape->setFillColor(core::QBColor(10));
    stage.control = shape;
    return shape;
}

QWidget *canvas(Stage &stage)
{
    auto *box = new forms::PictureBox(&stage.window);
    box->setPicture(core::LoadPicture(QStringLiteral(":/palette.bmp")));
    box->setBackColor(QColor(forms::colors::windowBackground));
    stage.hold(box, {60, 50}, forms::colors::lightGrey);
    return box;
}

QWidget *make(Stage &stage, const QString &kind)
{
    if (kind == u"command button")
        return commandButton(stage);
    if (kind == u"caption button")
        return captionButton(stage);
    if (kind == u"option button")
        return optionButton(stage, QStringLiteral("Rita"), 97);
    if (kind == u"long option button")
        return optionButton(stage, QStringLiteral("Måla (färglägg)"), 137);
    if (kind == u"check box")
        return checkBox(stage);
    if (kind == u"colour cell")
        return colourCell(stage);
    if (kind == u"count bar")
        return countBar(stage);
    if (kind == u"file list" || kind == u"short file list")
        return fileList(stage, kind == u"short file list");
    if (kind == u"heading")
        return heading(stage);
    if (kind == u"count label")
        return countLabel(stage);
    if (kind == u"name box")
        return nameBox(stage);
    if (kind == u"preview")
        return preview(stage);
    if (kind == u"pen sample")
        return penSample(stage);
    if (kind == u"swatch")
        return swatch(stage);
    if (kind == u"picture box")
        return canvas(stage);
    qFatal("no control %s", qPrintable(kind));
}

// Puts the control in the state; "pressed" holds the mouse button down on it
// until `release` runs.
void enter(Stage &stage, const QString &state)
{
    QWidget *control = stage.control;
    const QStringList words = state.split(u' ');
    if (words.contains(u"set") || words.contains(u"checked"))
        qobject_cast<forms::ChoiceButton3D *>(control)->setValue(true);
    if (words.contains(u"top"))
        static_cast<forms::VScrollBar *>(control)->setValue(10);
    if (words.contains(u"bottom"))
        static_cast<forms::VScrollBar *>(control)->setValue(1);
    if (words.contains(u"disabled"))
        control->setEnabled(false);
    if (words.contains(u"hidden"))
        control->hide();
    if (words.contains(u"focused"))
        control->setFocus();
    if (words.contains(u"pressed")) {
        if (auto *button = qobject_cast<QAbstractButton *>(control))
            button->setDown(true);
        else // the upper arrow of the scroll bar
            QTest::mousePress(control, Qt::LeftButton, Qt::NoModifier, QPoint(8, 3));
    }
}

} // namespace

class TstLooksControls : public QObject
{
    Q_OBJECT

private slots:
    void controlLooks_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("state");
        const auto row = [](const char *kind, const char *state) {
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(kind, state))) << kind << state;
        };
        for (const char *state : {"normal", "pressed", "focused", "disabled", "hidden"})
            row("command button", state);
        for (const char *state : {"normal", "pressed", "focused"})
            row("caption button", state);
        for (const char *state : {"normal", "set", "pressed", "focused", "focused set", "disabled",
                                  "disabled set", "hidden"})
            row("option button", state);
        for (const char *state : {"set", "focused set"})
            row("long option button", state);
        for (const char *state : {"normal", "checked", "pressed", "focused", "focused checked",
                                  "disabled", "disabled checked", "hidden"})
            row("check box", state);
        for (const char *state : {"normal", "hidden"})
            row("colour cell", state);
        for (const char *state : {"normal", "pressed", "focused", "focused top", "focused bottom",
                                  "disabled", "hidden"})
            row("count bar", state);
        for (const char *state : {"normal", "focused"})
            row("file list", state);
        row("short file list", "normal");
        row("heading", "normal");
        row("count label", "normal");
        row("name box", "disabled");
        row("preview", "normal");
        row("pen sample", "normal");
        for (const char *state : {"normal", "hidden"})
            row("swatch", state);
        row("picture box", "normal");
    }

    void controlLooks()
    {
        QFETCH(QString, kind);
        QFETCH(QString, state);
        Stage stage;
        make(stage, kind);
        stage.window.show();
        stage.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&stage.window));
        enter(stage, state);
        if (state.contains(u"focused"))
            QTRY_VERIFY(stage.control->hasFocus());
        const QImage shown = fixture::pictureOf(stage.window);
        if (state == u"pressed" && !qobject_cast<QAbstractButton *>(stage.control))
            QTest::mouseRelease(stage.control, Qt::LeftButton, Qt::NoModifier, QPoint(8, 3));
        COMPARE_LOOKS(shown, fixture::referenceName(QTest::currentDataTag()));
    }

    // The canvas and the palette box take the focus, but show no mark of it:
    // a frame would lie on the child's picture.
    void pictureBoxShowsNoFocusMark()
    {
        Stage stage;
        make(stage, QStringLiteral("picture box"));
        stage.window.show();
        stage.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&stage.window));
        stage.control->setFocus();
        QTRY_VERIFY(stage.control->hasFocus());
        COMPARE_LOOKS(fixture::pictureOf(stage.window), QStringLiteral("picture-box-normal"));
    }
};

QTEST_MAIN(TstLooksControls)
#include "tst_looks_controls.moc"
