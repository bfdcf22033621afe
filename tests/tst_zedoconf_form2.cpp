// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixture/editorfixture.h"

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

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWindow>

using fixture::EditorFixture;

namespace {

QImage shown(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QStringList visibleCells(zedoconf::Form2 &form)
{
    QStringList captions;
    for (forms::Panel3D *cell : form.Panel3D4)
        if (cell->isVisibleTo(&form))
            captions << cell->Caption();
    return captions;
}

} // namespace

class TstZedoconfForm2 : public QObject
{
    Q_OBJECT

private slots:
    void loadingSelectsThePictureAndPaintsTheCells()
    {
        EditorFixture editor;
        editor.addPicture(QStringLiteral("b.bmp"), qRgb(0, 255, 0));
        editor.addPicture(QStringLiteral("a.bmp"), qRgb(255, 0, 255));
        QVERIFY(editor.start());
        zedoconf::Form2 &form = editor.form();
        QCOMPARE(form.File1->ListIndex(), 0);
        QCOMPARE(form.Text1->text(), QStringLiteral("a.bmp"));
        QCOMPARE(form.Image1->Picture().pixel(0, 0), qRgb(255, 0, 255));
        const QList<QRgb> defaults = {0xFF0000, 0x0000FF, 0x008000, 0xFFFF00, 0x00FF00,
                                      0x00FFFF, 0x800000, 0x808080, 0xFFFFFF, 0x000000};
        for (int i = 0; i < 10; ++i)
            QCOMPARE(form.Panel3D4[i]->BackColor().rgb() & 0xFFFFFF, defaults[i]);
        QCOMPARE(visibleCells(form), QStringList({"Färg 1", "Färg 2", "Färg 3"}));
        QCOMPARE(form.Label3->Caption(), QStringLiteral("3"));
        QVERIFY(form.backdrop() && form.backdrop()->isVisible());
        QCOMPARE(form.windowHandle()->transientParent(), form.backdrop()->windowHandle());
        QVERIFY(form.File1->hasFocus());
        QVERIFY(editor.errors.isEmpty());
    }

    // Right of "Färg 3" and below it the cell panel's own colour shows.
    void hiddenCellsLeaveThePanelBare()
    {
        EditorFixture editor;
        editor.addPicture(QStringLiteral("a.bmp"));
        QVERIFY(editor.start());
        const zedoconf::Form2 &form = editor.form();
        const QImage image = shown(form.Panel3D5);
        const QRgb grey = forms::colors::menu;
        QCOMPARE(image.pixel(form.Panel3D4[3]->geometry().center()), grey);
        QCOMPARE(image.pixel(form.Panel3D4[4]->geometry().center()), grey);
        const QRect third = form.Panel3D4[2]->geometry(); // its colour below its caption
        QCOMPARE(image.pixel(third.center() + QPoint(0, third.height() / 4)), qRgb(0, 128, 0));
    }

    // The group panels, not the window, colour what their controls draw round
    // themselves: no yellow of the window shows inside a group.
    void controlsOnThePanelsShowNoWindowYellow()
    {
        EditorFixture editor;
        editor.addPicture(QStringLiteral("a.bmp"));
        QVERIFY(editor.start());
        for (QWidget *panel : {editor.form().Panel3D3, editor.form().Panel3D2}) {
            const QImage image = shown(panel);
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    QVERIFY2(!(c.red() > 150 && c.green() > 150 &&
                               c.blue() < std::min(c.red(), c.green()) - 40),
                             qPrintable(QStringLiteral("yellowish at %1,%2").arg(x).arg(y)));
                }
        }
    }

    void countShowsCellsAndDigits_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("digits");
        QTest::addColumn<int>("cells");
        QTest::newRow("one up") << QStringList{"up"} << "4" << 4;
        QTest::newRow("down to 1") << QStringList{"down", "down"} << "1" << 1;
        QTest::newRow("never below 1") << QStringList(5, "down") << "1" << 1;
        QTest::newRow("up to 10") << QStringList(7, "up") << "10" << 10;
        QTest::newRow("never above 10") << QStringList(9, "up") << "10" << 10;
        QTest::newRow("5 then 2") << QStringList{"up", "up", "down", "down", "down"} << "2" << 2;
    }

    void countShowsCellsAndDigits()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, digits);
        QFETCH(int, cells);
        EditorFixture editor;
        editor.addPicture(QStringLiteral("a.bmp"));
        QVERIFY(editor.start());
        editor.run(steps);
        QCOMPARE(editor.form().Label3->Caption(), digits);
        QStringList expected;
        for (int i = 1; i <= cells; ++i)
            expected << QStringLiteral("Färg %1").arg(i);
        QCOMPARE(visibleCells(editor.form()), expected);
    }

    void cellsStepThroughTheColours_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("cell");
        QTest::addColumn<QColor>("color");
        QTest::newRow("12 to 13") << QStringList{"cell 0"} << 0 << QColor(255, 0, 255);
        QTest::newRow("double click 9 to 11")
            << QStringList{"dblcell 1"} << 1 << QColor(0, 255, 255);
        QTest::newRow("15 wraps to 0")
            << QStringList{"up", "up", "up", "up", "up", "up", "cell 8"} << 8 << QColor(0, 0, 0);
        QTest::newRow("double click 14 to 0")
            << QStringList{"up", "dblcell 3"} << 3 << QColor(0, 0, 0);
        QTest::newRow("hidden cell keeps its colour")
            << QStringList{"up", "up", "cell 4", "down", "down", "down", "up", "up", "up"} << 4
            << QColor(0, 255, 255);
    }

    void cellsStepThroughTheColours()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, cell);
        QFETCH(QColor, color);
        EditorFixture editor;
        editor.addPicture(QStringLiteral("a.bmp"));
        QVERIFY(editor.start());
        editor.run(steps);
        QCOMPARE(editor.form().Panel3D4[cell]->BackColor(), color);
        QCOMPARE(shown(editor.form().Panel3D4[cell]).pixel(5, 50), color.rgb());
    }

    void penOptionsSetTheSampleLine_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("width");
        QTest::newRow("Smal") << QStringList{"pen 0"} << 5;
        QTest::newRow("Bred") << QStringList{"pen 2"} << 15;
        QTest::newRow("Smal, Bred, Mellan") << QStringList{"pen 0", "pen 2", "pen 1"} << 10;
    }

    void penOptionsSetTheSampleLine()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, width);
        EditorFixture editor;
        editor.addPicture(QStringLiteral("a.bmp"));
        QVERIFY(editor.start());
        editor.run(steps);
        QCOMPARE(editor.form().Line1->BorderWidth(), width);
        // The bar, across its middle row on the panel, is that many pixels wide.
        const QImage image = shown(editor.form().Panel3D7);
        const int row = editor.form().Line1->geometry().center().y();
        int red = 0;
        for (int x = 0; x < image.width(); ++x)
            red += image.pixel(x, row) == qRgb(255, 0, 0);
        QCOMPARE(red, width);
    }

    void choosingAFileShowsItsNameAndPicture_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRgb>("color");
        QTest::newRow("click") << QStringList{"pick 2"} << "c.bmp" << qRgb(0, 0, 255);
        QTest::newRow("keyboard") << QStringList{"key"} << "b.bmp" << qRgb(0, 255, 0);
        QTest::newRow("keyboard twice") << QStringList{"key", "key"} << "c.bmp" << qRgb(0, 0, 255);
        QTest::newRow("click back")
            << QStringList{"pick 1", "pick 0"} << "a.bmp" << qRgb(255, 0, 0);
    }

    void choosingAFileShowsItsNameAndPicture()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, name);
        QFETCH(QRgb, color);
        EditorFixture editor;
        editor.addPicture(QStringLiteral("a.bmp"), qRgb(255, 0, 0));
        editor.addPicture(QStringLiteral("b.bmp"), qRgb(0, 255, 0));
        editor.addPicture(QStringLiteral("c.bmp"), qRgb(0, 0, 255));
        QVERIFY(editor.start());
        editor.run(steps);
        QCOMPARE(editor.form().Text1->text(), name);
        const QImage preview = shown(editor.form().Image1);
        QCOMPARE(preview.pixel(preview.width() / 2, preview.height() / 2), color);
        QCOMPARE(preview.pixel(0, 0), qRgb(0, 0, 0)); // the border
        QCOMPARE(editor.ends, 0);
    }

    // The failure is reported and the picture shown before stays chosen;
    // nothing is saved and the editor goes on.
    void aPictureThatCannotBeReadIsReported()
    {
        EditorFixture editor;
        editor.addPicture(QStringLiteral("a.bmp"));
        editor.write(QStringLiteral("b.bmp"), "BM not really a bitmap");
        editor.write(QStringLiteral("zedo.ini"), "old");
        QVERIFY(editor.start());
        editor.run({"pick 1"});
        QCOMPARE(editor.form().Text1->text(), QStringLiteral("a.bmp"));
        QCOMPARE(editor.messages.size(), 1);
        QVERIFY2(editor.messages[0].contains(editor.path(QStringLiteral("b.bmp"))),
                 qPrintable(editor.messages[0]));
        QVERIFY(editor.errors.isEmpty());
        QCOMPARE(editor.ends, 0);
        QCOMPARE(editor.read(QStringLiteral("zedo.ini")), QByteArray("old"));
    }
};

QTEST_MAIN(TstZedoconfForm2)
#include "tst_zedoconf_form2.moc"
