// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/error.h"
#include "forms/picturebox.h"
#include "forms/shape.h"
#include "pixels.h"
#include "repaints.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>

using forms::PictureBox;

class TstPictureBox : public QObject
{
    Q_OBJECT

private:
    static QImage whitePicture(int width, int height, QRgb line)
    {
        QImage picture(width, height, QImage::Format_RGB32);
        picture.fill(Qt::white);
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, height / 2, line);
        return picture;
    }

private slots:
    void pictureIsDrawnUnscaledFromTopLeftOverBackground_data()
    {
        QTest::addColumn<QImage::Format>("format");
        QTest::newRow("true colour") << QImage::Format_RGB32;
        QTest::newRow("colour table") << QImage::Format_Indexed8;
        QTest::newRow("one bit a pixel") << QImage::Format_Mono;
        QTest::newRow("one bit a pixel, low bit first") << QImage::Format_MonoLSB;
    }

    void pictureIsDrawnUnscaledFromTopLeftOverBackground()
    {
        QFETCH(QImage::Format, format);
        PictureBox box;
        box.setBackColor(QColor(0xC0, 0xC0, 0xC0));
        box.resize(20, 30);
        box.setPicture(whitePicture(30, 10, qRgb(0, 0, 0)).convertToFormat(format));
        const QImage &kept = box.keptImage();
        QCOMPARE(kept.size(), QSize(20, 30));
        QCOMPARE(kept.pixel(0, 5), qRgb(0, 0, 0));
        QCOMPARE(kept.pixel(19, 5), qRgb(0, 0, 0));
        QCOMPARE(kept.pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(kept.pixel(0, 10), qRgb(0xC0, 0xC0, 0xC0)); // below the picture
        QCOMPARE(box.surface(), kept);
    }

    void pictureWithColourTableShowsAsQtPaintsIt_data()
    {
        QTest::addColumn<QList<QRgb>>("table");
        QTest::newRow("opaque") << QList<QRgb>{qRgb(10, 20, 30), qRgb(200, 0, 90), qRgb(0, 0, 0),
                                               qRgb(255, 255, 255)};
        QTest::newRow("a see-through colour") << QList<QRgb>{qRgb(10, 20, 30), qRgba(0, 0, 0, 0),
                                                             qRgba(200, 0, 90, 128), qRgb(1, 2, 3)};
        QTest::newRow("pixels beyond the table") << QList<QRgb>{qRgb(10, 20, 30), qRgb(7, 8, 9)};
        QTest::newRow("a see-through colour and pixels beyond the table")
            << QList<QRgb>{qRgb(10, 20, 30), qRgba(200, 0, 90, 128)};
    }

    // Over the background, as Qt paints the picture, pixels beyond the table
    // black. (Qt's painting of the picture itself reads past the table for
    // them, so the expected picture is painted with the table made whole.)
    void pictureWithColourTableShowsAsQtPaintsIt()
    {
        QFETCH(QList<QRgb>, table);
        QImage picture(23, 17, QImage::Format_Indexed8);
        picture.setColorTable(table);
        // Written as bytes: setPixel refuses an index beyond the table.
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.scanLine(y)[x] = uchar((x * 7 + y * 3) % 4);
        PictureBox box;
        box.resize(20, 30);
        box.setBackColor(Qt::yellow);
        box.setPicture(picture);
        QImage expected(20, 30, QImage::Format_RGB32);
        expected.fill(Qt::yellow);
        QPainter painter(&expected);
        QImage whole = picture;
        whole.setColorTable(table + QList<QRgb>(4 - table.size(), qRgb(0, 0, 0)));
        painter.drawImage(0, 0, whole);
        painter.end();
        QCOMPARE(box.keptImage(), expected);
    }

    void layingOutAgainLeavesNothingOfBefore_data()
    {
        QTest::addColumn<bool>("newPicture");
        QTest::addColumn<bool>("autoRedraw");
        QTest::newRow("a smaller picture, drawn on the surface") << true << false;
        QTest::newRow("a smaller picture, drawn on the kept image") << true << true;
        QTest::newRow("another back colour, drawn on the surface") << false << false;
        QTest::newRow("another back colour, drawn on the kept image") << false << true;
    }

    // A box laid out again at the same size shows the background and the
    // picture alone: nothing of the earlier picture, back colour or drawing.
    void layingOutAgainLeavesNothingOfBefore()
    {
        QFETCH(bool, newPicture);
        QFETCH(bool, autoRedraw);
        PictureBox box;
        box.resize(20, 30);
        box.setBackColor(Qt::yellow);
        box.setPicture(whitePicture(20, 20, qRgb(0, 0, 0)));
        box.setAutoRedraw(autoRedraw);
        box.drawOnDC([](QImage &dc) {
            dc.fill(Qt::red);
            return dc.rect();
        });
        const QImage held = box.hDC();
        if (newPicture)
            box.setPicture(whitePicture(5, 4, qRgb(0, 0, 255)));
        else
            box.setBackColor(Qt::green);
        QImage expected(20, 30, QImage::Format_RGB32);
        expected.fill(newPicture ? Qt::yellow : Qt::green);
        QPainter painter(&expected);
        painter.drawImage(0, 0, box.picture());
        painter.end();
        QCOMPARE(box.keptImage(), expected);
        QCOMPARE(box.surface(), expected);
        QCOMPARE(QColor(held.pixel(19, 29)), QColor(Qt::red)); // a copy taken before stays
    }

    void drawingAddressesTheImageAutoRedrawChooses()
    {
        PictureBox box;
        box.setScaleUnit(PictureBox::ScaleUnit::Pixel);
        box.resize(20, 20);
        box.setForeColor(0x0000FF);
        box.PSet(5, 5);
        QCOMPARE(box.surface().pixel(5, 5), qRgb(255, 0, 0));
        QCOMPARE(box.keptImage().pixel(5, 5), qRgb(255, 255, 255));

        box.setAutoRedraw(true);
        box.PSet(10, 10);
        QCOMPARE(box.keptImage().pixel(10, 10), qRgb(255, 0, 0));
        QCOMPARE(box.surface().pixel(10, 10), qRgb(255, 255, 255));
        QCOMPARE(&box.hDC(), &box.keptImage());

        box.setAutoRedraw(false);
        QCOMPARE(&box.hDC(), &box.surface());
        QCOMPARE(box.surface().pixel(5, 5), qRgb(255, 0, 0)); // left as it was
    }

    void refreshShowsTheKeptImage()
    {
        PictureBox box;
        box.setScaleUnit(PictureBox::ScaleUnit::Pixel);
        box.resize(10, 10);
        box.setForeColor(0x000000);
        box.PSet(3, 3);
        box.Refresh();
        QCOMPARE(box.surface().pixel(3, 3), qRgb(255, 255, 255));
    }

    void whatIsShownFollowsAutoRedraw()
    {
        PictureBox box;
        box.setScaleUnit(PictureBox::ScaleUnit::Pixel);
        box.resize(10, 10);
        box.setForeColor(0x00FF00);
        box.PSet(2, 2); // on the visible surface only
        QCOMPARE(box.grab().toImage().pixel(2, 2), qRgb(0, 255, 0));
        box.setAutoRedraw(true);
        QCOMPARE(box.grab().toImage().pixel(2, 2), qRgb(255, 255, 255));
    }

    void drawingRepaintsWhatItChanged_data()
    {
        QTest::addColumn<bool>("autoRedraw");
        QTest::addColumn<bool>("draws");
        QTest::addColumn<QRect>("changed");
        QTest::newRow("reading the surface") << false << false << QRect();
        QTest::newRow("reading the kept image") << true << false << QRect();
        QTest::newRow("a rectangle of the surface") << false << true << QRect(2, 3, 4, 5);
        QTest::newRow("a rectangle of the kept image") << true << true << QRect(30, 0, 10, 1);
        QTest::newRow("nothing changed") << false << true << QRect();
    }

    // The box shows the image drawing addresses, so what changes there is
    // shown again, and nothing else.
    void drawingRepaintsWhatItChanged()
    {
        QFETCH(bool, autoRedraw);
        QFETCH(bool, draws);
        QFETCH(QRect, changed);
        PictureBox box;
        box.resize(40, 30);
        box.setAutoRedraw(autoRedraw);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCoreApplication::processEvents();
        repaints::Recorder recorder;
        const QImage &read = box.hDC();
        QCOMPARE(&read, autoRedraw ? &box.keptImage() : &box.surface());
        if (draws) {
            box.drawOnDC([&](QImage &dc) {
                dc.fill(Qt::red);
                return changed;
            });
        }
        const QList<QRect> expected = changed.isEmpty() ? QList<QRect>() : QList<QRect>{changed};
        QCOMPARE(recorder.painted(&box), expected);
        QCOMPARE(recorder.widgetsPainted(), expected.size());
    }

    // Qt tells a hidden box of no resize until it is shown, and then what was
    // drawn at its new size must stay.
    void hiddenBoxDrawsAtItsNewSize()
    {
        PictureBox box;
        box.setBackColor(Qt::white);
        box.resize(30, 20);
        box.setAutoRedraw(true);
        box.drawOnDC([](QImage &dc) {
            dc.setPixel(29, 19, qRgb(255, 0, 0));
            return QRect(29, 19, 1, 1);
        });
        QCOMPARE(box.keptImage().size(), QSize(30, 20));
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE(box.keptImage().pixel(29, 19), qRgb(255, 0, 0));
        QCOMPARE(box.surface().pixel(29, 19), qRgb(255, 0, 0));
    }

    void dotSizeFollowsDrawWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::newRow("1") << 1;
        QTest::newRow("5") << 5;
        QTest::newRow("10") << 10;
        QTest::newRow("15") << 15;
    }

    void dotSizeFollowsDrawWidth()
    {
        QFETCH(int, width);
        PictureBox box;
        box.setScaleUnit(PictureBox::ScaleUnit::Pixel);
        box.resize(40, 40);
        box.setDrawWidth(width);
        box.setForeColor(0x000080);
        box.PSet(20, 20);
        const QRect painted = pixels::paintedRect(box.surface(), qRgb(0x80, 0, 0));
        QCOMPARE(painted.size(), QSize(width, width));
        QVERIFY(painted.contains(20, 20));
    }

    void drawWidthBelowOneIsRefused_data()
    {
        QTest::addColumn<int>("width");
        QTest::newRow("0") << 0;
        QTest::newRow("-5") << -5;
    }

    void drawWidthBelowOneIsRefused()
    {
        QFETCH(int, width);
        PictureBox box;
        QVERIFY_THROWS_EXCEPTION(core::Error, box.setDrawWidth(width));
        QCOMPARE(box.DrawWidth(), 1);
    }

    void scaleUnitGivesMouseCoordinatesAndScaleSize_data()
    {
        QTest::addColumn<PictureBox::ScaleUnit>("unit");
        QTest::addColumn<double>("perPixel");
        QTest::newRow("pixel") << PictureBox::ScaleUnit::Pixel << 1.0;
        QTest::newRow("twip") << PictureBox::ScaleUnit::Twip << 15.0;
    }

    void scaleUnitGivesMouseCoordinatesAndScaleSize()
    {
        QFETCH(PictureBox::ScaleUnit, unit);
        QFETCH(double, perPixel);
        PictureBox box;
        box.setScaleUnit(unit);
        box.resize(50, 40);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE(box.ScaleWidth(), 50 * perPixel);
        QCOMPARE(box.ScaleHeight(), 40 * perPixel);

        QSignalSpy down(&box, &PictureBox::MouseDown);
        QSignalSpy move(&box, &PictureBox::MouseMove);
        QSignalSpy up(&box, &PictureBox::MouseUp);
        QTest::mousePress(&box, Qt::RightButton, Qt::ShiftModifier, QPoint(7, 9));
        QTest::mouseMove(&box, QPoint(8, 10));
        QTest::mouseRelease(&box, Qt::RightButton, Qt::NoModifier, QPoint(8, 10));
        QCOMPARE(down.size(), 1);
        QCOMPARE(down[0][0].toInt(), 2);
        QCOMPARE(down[0][1].toInt(), 1);
        QCOMPARE(down[0][2].toFloat(), float(7 * perPixel));
        QCOMPARE(down[0][3].toFloat(), float(9 * perPixel));
        QVERIFY(!move.isEmpty());
        QCOMPARE(move.last()[2].toFloat(), float(8 * perPixel));
        QCOMPARE(up.size(), 1);
        QCOMPARE(up[0][0].toInt(), 2);
    }

    // At a device pixel ratio of 2 the pointer on the right half of a pixel
    // arrives as x.5; the dot and the fill must still start from that pixel.
    void pointerBetweenPixelsGivesThePixelUnderIt_data()
    {
        scaleUnitGivesMouseCoordinatesAndScaleSize_data();
    }

    void pointerBetweenPixelsGivesThePixelUnderIt()
    {
        QFETCH(PictureBox::ScaleUnit, unit);
        QFETCH(double, perPixel);
        PictureBox box;
        box.setScaleUnit(unit);
        box.resize(50, 40);
        QSignalSpy down(&box, &PictureBox::MouseDown);
        QSignalSpy move(&box, &PictureBox::MouseMove);
        QSignalSpy up(&box, &PictureBox::MouseUp);
        const QPointF between(7.5, 9.75);
        const auto send = [&](QEvent::Type type, Qt::MouseButton button) {
            QMouseEvent event(type, between, box.mapToGlobal(between), button, button, {});
            QCoreApplication::sendEvent(&box, &event);
        };
        send(QEvent::MouseButtonPress, Qt::LeftButton);
        send(QEvent::MouseMove, Qt::NoButton);
        send(QEvent::MouseButtonRelease, Qt::LeftButton);
        for (const QSignalSpy *spy : {&down, &move, &up}) {
            QCOMPARE(spy->size(), 1);
            QCOMPARE(spy->at(0)[2].toFloat(), float(7 * perPixel));
            QCOMPARE(spy->at(0)[3].toFloat(), float(9 * perPixel));
        }
    }

    void pointReadsWhatIsShownShapesIncluded()
    {
        PictureBox box;
        box.setBackColor(QColor(0xC0, 0xC0, 0xC0));
        box.resize(100, 100);
        forms::Shape shape(&box);
        shape.setFillColor(0x00FFFF);
        shape.setLeft(0);
        shape.setTop(0);
        shape.setWidth(1215);
        shape.setHeight(1095);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE(box.Point(40 * 15, 36 * 15), std::optional<core::ColorValue>(0x00FFFF));
        QCOMPARE(box.Point(40 * 15 + 0.5, 1 * 15), std::optional<core::ColorValue>(0x000000));
        QCOMPARE(box.Point(95 * 15, 95 * 15), std::optional<core::ColorValue>(0xC0C0C0));
        QCOMPARE(box.Point(-1, 10), std::nullopt);
        QCOMPARE(box.Point(100 * 15, 10), std::nullopt);
    }
};

QTEST_MAIN(TstPictureBox)
#include "tst_picturebox.moc"
