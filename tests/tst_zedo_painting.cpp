// SPDX-License-Identifier: GPL-3.0-or-later
// Picking colours, the two painting tools and the commit of the canvas,
// driven with the mouse as a child would.
#include "core/colortable.h"
#include "forms/commandbutton3d.h"
#include "forms/panel3d.h"
#include "forms/picturebox.h"
#include "forms/shape.h"
#include "pixels.h"
#include "repaints.h"
#include "zedo/form1.h"
#include "zedo/form2.h"
#include "fixture/zedofixture.h"

#include <QTest>

using fixture::rgbOf;
using fixture::ZedoFixture;

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);

QPoint swatchCentre(zedo::Form1 &form, int swatch)
{
    return form.Shape1[swatch]->geometry().center();
}

void pick(zedo::Form1 &form, int swatch, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(form.Picture2, button, {}, swatchCentre(form, swatch));
}

void clickCanvas(zedo::Form1 &form, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(form.Picture1, button, {}, at);
}

// A point of the palette box (`where`) beside the swatches as they lie.
QPoint besideTheSwatches(const zedo::Form1 &form, const QString &where)
{
    const QRect first = form.Shape1[0]->geometry();
    if (where == u"box middle")
        return form.Picture2->rect().center();
    if (where == u"between rows")
        return {first.center().x(), (first.bottom() + form.Shape1[2]->geometry().top()) / 2};
    if (where == u"box corner")
        return first.topLeft() + QPoint(2, 1);
    if (where == u"eighth cell")
        return form.Shape1[7]->geometry().center();
    if (where == u"outline")
        return {first.center().x(), first.top() + 1};
    qFatal("no point %s", qPrintable(where));
}

// The page rectangle every commit copies: the print page's picture.
QRect pageRect(zedo::Form1 &form)
{
    return form.form2()->Picture1->rect();
}

// The smallest rectangle holding every pixel of `color`.
} // namespace

class TstZedoPainting : public QObject
{
    Q_OBJECT

private slots:
    void everyColourCanBePicked_data()
    {
        QTest::addColumn<int>("index");
        for (int index = 0; index < core::ColorIndexCount; ++index)
            QTest::addRow("colour %d", index) << index;
    }

    void everyColourCanBePicked()
    {
        QFETCH(int, index);
        ZedoFixture program;
        QVERIFY(program.start(fixture::settings({index == 12 ? 9 : 12, index})));
        pick(program.form(), 1);
        QCOMPARE(program.form().Picture1->ForeColor(), core::QBColor(index));
        QCOMPARE(program.form().Picture1->FillColor(), core::QBColor(index));
    }

    void pickTakesTheColourUnderThePointer_data()
    {
        QTest::addColumn<QList<int>>("colors");
        QTest::addColumn<int>("swatch");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<int>("picked");
        QTest::newRow("1 colour") << QList<int>{9} << 0 << Qt::LeftButton << 9;
        QTest::newRow("3 colours, the last") << QList<int>{12, 9, 2} << 2 << Qt::LeftButton << 2;
        QTest::newRow("4 colours, right button")
            << QList<int>{12, 9, 2, 14} << 3 << Qt::RightButton << 14;
        QTest::newRow("5 colours, middle button")
            << QList<int>{12, 9, 2, 14, 10} << 4 << Qt::MiddleButton << 10;
        QTest::newRow("7 colours, the seventh")
            << QList<int>{1, 3, 5, 6, 8, 11, 13} << 6 << Qt::LeftButton << 13;
        QTest::newRow("10 colours, the tenth")
            << QList<int>{1, 2, 3, 4, 5, 6, 8, 9, 10, 11} << 9 << Qt::LeftButton << 11;
        QTest::newRow("two swatches of one colour")
            << QList<int>{12, 4, 4} << 2 << Qt::LeftButton << 4;
    }

    void pickTakesTheColourUnderThePointer()
    {
        QFETCH(QList<int>, colors);
        QFETCH(int, swatch);
        QFETCH(Qt::MouseButton, button);
        QFETCH(int, picked);
        ZedoFixture program;
        QVERIFY(program.start(fixture::settings(colors)));
        pick(program.form(), swatch, button);
        QCOMPARE(program.form().Picture1->ForeColor(), core::QBColor(picked));
        QCOMPARE(program.form().Picture1->FillColor(), core::QBColor(picked));
    }

    void pickBesideTheSwatches_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("where"); // see besideTheSwatches
        QTest::addColumn<int>("picked");
        QTest::newRow("no swatch at all") << 0 << "box middle" << 7;
        QTest::newRow("between two rows") << 10 << "between rows" << 7;
        QTest::newRow("box corner outside the circle") << 6 << "box corner" << 7;
        QTest::newRow("empty cell of 7 colours") << 7 << "eighth cell" << 7;
        QTest::newRow("outline of 1 colour") << 1 << "outline" << 0;
        QTest::newRow("outline in the grid") << 10 << "outline" << 0;
    }

    void pickBesideTheSwatches()
    {
        QFETCH(int, count);
        QFETCH(QString, where);
        QFETCH(int, picked);
        ZedoFixture program;
        const QList<int> colors = QList<int>(count, 9);
        QVERIFY(program.start(fixture::settings(colors)));
        const QPoint at = besideTheSwatches(program.form(), where);
        QTest::mouseClick(program.form().Picture2, Qt::LeftButton, {}, at);
        QCOMPARE(program.form().Picture1->ForeColor(), core::QBColor(picked));
        QCOMPARE(program.form().Picture1->FillColor(), core::QBColor(picked));
    }

    void pressOnThePaletteFrameDoesNothing()
    {
        ZedoFixture program;
        QVERIFY(program.start(fixture::settings({9, 2})));
        // Above, below and right of the palette box.
        const QRect frame = program.form().Panel3D1->rect();
        const QRect box = program.form().Picture2->geometry();
        const QPoint above(box.center().x(), box.top() / 2);
        const QPoint below(box.center().x(), (box.bottom() + frame.bottom()) / 2);
        const QPoint right((box.right() + frame.right()) / 2, box.center().y());
        for (QPoint at : {above, below, right})
            QTest::mouseClick(program.form().Panel3D1, Qt::LeftButton, {}, at);
        QCOMPARE(program.form().Picture1->ForeColor(), core::QBColor(9));
        QCOMPARE(program.form().Picture1->FillColor(), core::QBColor(9));
    }

    void dotFollowsThePenWidth_data()
    {
        QTest::addColumn<int>("penWidth");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("5 pixels") << 5 << Qt::LeftButton;
        QTest::newRow("10 pixels") << 10 << Qt::LeftButton;
        QTest::newRow("15 pixels") << 15 << Qt::LeftButton;
        QTest::newRow("15 pixels, right button") << 15 << Qt::RightButton;
    }

    void dotFollowsThePenWidth()
    {
        QFETCH(int, penWidth);
        QFETCH(Qt::MouseButton, button);
        ZedoFixture program;
        QVERIFY(program.start(fixture::settings({9}, penWidth, 0)));
        zedo::Form1 &form = program.form();
        clickCanvas(form, QPoint(200, 300), button);
        const QRect dot = pixels::paintedRect(form.Picture1->surface(), rgbOf(9));
        QCOMPARE(dot.size(), QSize(penWidth, penWidth));
        QVERIFY(dot.contains(200, 300));
        QCOMPARE(pixels::paintedRect(form.Picture1->keptImage(), rgbOf(9)), dot);
        QCOMPARE(pixels::paintedRect(form.form2()->Picture1->keptImage(), rgbOf(9)), dot);
    }

    void strokeLeavesADotAtEveryMove()
    {
        ZedoFixture program;
        QVERIFY(program.start(fixture::settings({12}, 5, 0)));
        zedo::Form1 &form = program.form();
        QTest::mouseMove(form.Picture1, QPoint(70, 250)); // no button held
        QTest::mousePress(form.Picture1, Qt::LeftButton, {}, QPoint(100, 250));
        QTest::mouseMove(form.Picture1, QPoint(130, 250));
        QTest::mouseMove(form.Picture1, QPoint(160, 250));
        QCOMPARE(form.Picture1->keptImage().pixel(130, 250), White); // not yet committed
        QTest::mouseRelease(form.Picture1, Qt::LeftButton, {}, QPoint(160, 250));
        QTest::mouseMove(form.Picture1, QPoint(190, 250));

        const QImage &surface = form.Picture1->surface();
        for (int x : {100, 130, 160})
            QCOMPARE(surface.pixel(x, 250), rgbOf(12));
        for (int x : {70, 115, 145, 190})
            QCOMPARE(surface.pixel(x, 250), White);
        QCOMPARE(form.Picture1->keptImage().copy(pageRect(form)), surface.copy(pageRect(form)));
    }

    void fill_data()
    {
        // Palette: swatch 0 yellow (the fill), 1 black, 2 red; pen 5.
        QTest::addColumn<QList<QPoint>>("dots");
        QTest::addColumn<int>("dotSwatch");
        QTest::addColumn<QList<QPoint>>("fills");
        QTest::addColumn<QList<QPoint>>("yellow");
        QTest::addColumn<QList<QPoint>>("white");
        QTest::addColumn<QList<QPoint>>("black");
        using Points = QList<QPoint>;
        QTest::newRow("closed area")
            << Points{} << 0 << Points{{70, 70}} << Points{{21, 21}, {119, 119}, {70, 70}}
            << Points{{140, 70}, {210, 70}, {19, 70}} << Points{{20, 70}, {120, 120}};
        QTest::newRow("black line") << Points{} << 0 << Points{{20, 70}} << Points{}
                                    << Points{{70, 70}, {140, 70}} << Points{{20, 70}};
        QTest::newRow("area already in the colour")
            << Points{} << 0 << Points{{70, 70}, {100, 30}} << Points{{21, 21}, {119, 119}}
            << Points{{140, 70}} << Points{{20, 70}};
        QTest::newRow("non-black dots inside")
            << Points{{50, 50}, {24, 100}} << 2 << Points{{70, 70}}
            << Points{{50, 50}, {24, 100}, {21, 21}} << Points{{140, 70}} << Points{{20, 100}};
        QTest::newRow("black dot inside")
            << Points{{70, 70}} << 1 << Points{{30, 30}} << Points{{21, 21}, {100, 100}, {70, 60}}
            << Points{} << Points{{70, 70}, {69, 69}};
        // The far corners of the page and of the canvas below it.
        zedo::Form1 design;
        const QPoint pageCorner = pageRect(design).bottomRight();
        const QPoint canvasCorner = design.Picture1->rect().bottomRight();
        QTest::newRow("open background")
            << Points{} << 0 << Points{{140, 200}}
            << Points{{140, 200}, {0, 0}, {299, 399}, pageCorner, canvasCorner}
            << Points{{70, 70}, {210, 70}} << Points{{20, 20}};
    }

    void fill()
    {
        QFETCH(QList<QPoint>, dots);
        QFETCH(int, dotSwatch);
        QFETCH(QList<QPoint>, fills);
        QFETCH(QList<QPoint>, yellow);
        QFETCH(QList<QPoint>, white);
        QFETCH(QList<QPoint>, black);
        ZedoFixture program;
        QVERIFY(program.start(fixture::settings({14, 0, 12}, 5, 0)));
        zedo::Form1 &form = program.form();
        pick(form, dotSwatch);
        for (QPoint dot : dots)
            clickCanvas(form, dot);
        QTest::mouseClick(form.Command3D3, Qt::LeftButton);
        pick(form, 0);
        for (QPoint at : fills)
            clickCanvas(form, at);

        const QImage &surface = form.Picture1->surface();
        const QImage &kept = form.Picture1->keptImage();
        const auto check = [&](const QList<QPoint> &points, QRgb color) {
            for (QPoint at : points) {
                QCOMPARE(QColor(surface.pixel(at)), QColor(color));
                if (pageRect(form).contains(at))
                    QCOMPARE(QColor(kept.pixel(at)), QColor(color));
            }
        };
        check(yellow, rgbOf(14));
        check(white, White);
        check(black, Black);
    }

    void repaintsOnlyWhatChanged_data()
    {
        // Pen 5; the press at the first point, moves to the others, the
        // release at the last. Repaints are recorded from the press or from
        // the release on; the press has committed its own dot already.
        QTest::addColumn<int>("startInFillMode");
        QTest::addColumn<QList<QPoint>>("stroke");
        QTest::addColumn<bool>("fromRelease");
        QTest::addColumn<QList<QRect>>("repainted");
        using Points = QList<QPoint>;
        using Rects = QList<QRect>;
        const QRect insideA = fixture::SquareA.adjusted(1, 1, -1, -1);
        QTest::newRow("fill of a square") << -1 << Points{{70, 70}} << false << Rects{insideA};
        QTest::newRow("release after a fill") << -1 << Points{{70, 70}} << true << Rects{};
        QTest::newRow("fill on the outline") << -1 << Points{{20, 70}} << false << Rects{};
        QTest::newRow("dot") << 0 << Points{{200, 300}} << false << Rects{{198, 298, 5, 5}};
        zedo::Form1 design;
        const int belowPage = pageRect(design).bottom() + 6;
        QTest::newRow("dot below the page")
            << 0 << Points{{300, belowPage}} << false << Rects{{298, belowPage - 2, 5, 5}};
        QTest::newRow("release after a stroke")
            << 0 << Points{{100, 250}, {130, 250}, {160, 250}} << true << Rects{{128, 248, 35, 5}};
    }

    // Each drawing shows again what it changed on the canvas, and the commit
    // what it changed in the kept image; nothing else of the window repaints.
    void repaintsOnlyWhatChanged()
    {
        QFETCH(int, startInFillMode);
        QFETCH(QList<QPoint>, stroke);
        QFETCH(bool, fromRelease);
        QFETCH(QList<QRect>, repainted);
        ZedoFixture program;
        QVERIFY(program.start(fixture::settings({9}, 5, startInFillMode)));
        forms::PictureBox *canvas = program.form().Picture1;
        QCoreApplication::processEvents();
        repaints::Recorder recorder;
        QTest::mousePress(canvas, Qt::LeftButton, {}, stroke.first());
        for (QPoint at : stroke.mid(1))
            QTest::mouseMove(canvas, at);
        if (fromRelease)
            recorder.forget();
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, stroke.last());
        QCOMPARE(recorder.painted(canvas), repainted);
        QCOMPARE(recorder.widgetsPainted(), repainted.size());
    }

    void dragInFillModePaintsNothing()
    {
        ZedoFixture program;
        QVERIFY(program.start(fixture::settings({14}, 15, -1)));
        zedo::Form1 &form = program.form();
        const QImage before = form.Picture1->surface();
        QTest::mousePress(form.Picture1, Qt::LeftButton, {}, QPoint(20, 70)); // on the outline
        for (int x = 30; x <= 110; x += 10)
            QTest::mouseMove(form.Picture1, QPoint(x, 70));
        QTest::mouseRelease(form.Picture1, Qt::LeftButton, {}, QPoint(110, 70));
        QCOMPARE(form.Picture1->surface(), before);
        QCOMPARE(form.Picture1->keptImage().copy(pageRect(form)), before.copy(pageRect(form)));
        QCOMPARE(form.form2()->Picture1->keptImage(), before.copy(pageRect(form)));
    }

    void commitKeepsOnlyThePageRectangle()
    {
        ZedoFixture program;
        QVERIFY(program.start(fixture::settings({9}, 10, 0)));
        zedo::Form1 &form = program.form();
        const QRect pageArea = pageRect(form);
        const int below = pageArea.bottom() + 1; // the first row of the canvas not kept
        const QPoint across(200, below - 4), under(300, below + 11);
        QVERIFY(form.Picture1->rect().contains(under));
        for (QPoint at : {QPoint(100, 100), across, under})
            clickCanvas(form, at);

        const QImage &kept = form.Picture1->keptImage();
        const QImage &page = form.form2()->Picture1->keptImage();
        QCOMPARE(page.size(), pageArea.size());
        QCOMPARE(page, form.Picture1->surface().copy(pageArea));
        QCOMPARE(kept.copy(pageArea), page);
        QCOMPARE(kept.pixel(100, 100), rgbOf(9));
        QCOMPARE(kept.pixel(across.x(), below - 1), rgbOf(9));
        QCOMPARE(kept.pixel(across.x(), below), White); // the rows below the page are not kept
        QCOMPARE(form.Picture1->surface().pixel(across.x(), below), rgbOf(9));
        QCOMPARE(kept.pixel(under), White);
        QCOMPARE(form.Picture1->surface().pixel(under), rgbOf(9));

        form.Picture1->Refresh(); // a repaint by the system
        QCOMPARE(form.Picture1->surface().pixel(under), White);
        QCOMPARE(form.Picture1->surface().pixel(100, 100), rgbOf(9));
    }

    void paintingSurvivesBeingHiddenAndShownAgain()
    {
        ZedoFixture program;
        QVERIFY(program.start(fixture::settings({9}, 10, -1)));
        zedo::Form1 &form = program.form();
        clickCanvas(form, QPoint(70, 70));
        form.hide();
        QVERIFY(program.show());
        QCOMPARE(form.Picture1->surface().pixel(70, 70), rgbOf(9));
        QCOMPARE(QColor(form.Picture1->grab().toImage().pixel(70, 70)), QColor(rgbOf(9)));
    }

    void toolButtonSwitchesTheTool_data()
    {
        QTest::addColumn<int>("startInFillMode");
        QTest::addColumn<QStringList>("captions"); // after each click
        QTest::newRow("from drawing (0)") << 0 << QStringList{"Måla", "Rita", "Måla"};
        QTest::newRow("from filling (-1)") << -1 << QStringList{"Rita", "Måla", "Rita"};
        QTest::newRow("from filling (1)") << 1 << QStringList{"Måla", "Rita", "Måla"};
    }

    // A press on the black outline shows the tool: a dot in the drawing
    // tool, nothing in the fill tool.
    void toolButtonSwitchesTheTool()
    {
        QFETCH(int, startInFillMode);
        QFETCH(QStringList, captions);
        ZedoFixture program;
        QVERIFY(program.start(fixture::settings({14}, 5, startInFillMode)));
        zedo::Form1 &form = program.form();
        for (int round = 0; round < captions.size(); ++round) {
            QTest::mouseClick(form.Command3D3, Qt::LeftButton);
            const bool drawing = captions[round] == "Rita";
            QCOMPARE(form.Command3D3->Caption(), captions[round]);
            QCOMPARE(form.Command3D3->Picture(),
                     (drawing ? form.Picture3 : form.Picture4)->picture());
            const QPoint onOutline(20, 30 + 20 * round);
            clickCanvas(form, onOutline);
            QCOMPARE(QColor(form.Picture1->keptImage().pixel(onOutline)),
                     QColor(drawing ? rgbOf(14) : Black));
        }
    }
};

QTEST_MAIN(TstZedoPainting)
#include "tst_zedo_painting.moc"
