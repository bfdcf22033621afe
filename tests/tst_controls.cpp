// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/backdrop.h"
#include "forms/checkbox3d.h"
#include "forms/commandbutton3d.h"
#include "forms/design.h"
#include "forms/optionbutton3d.h"
#include "forms/panel3d.h"
#include "forms/runtime.h"
#include "forms/picturebox.h"
#include "forms/shape.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

class PaintCounter : public QWidget
{
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent * /*event*/) override { ++paints; }
};

class TstControls : public QObject
{
    Q_OBJECT

private:
    static QImage shown(QWidget &widget)
    {
        return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

private slots:
    void twipsRoundToTheNearestPixel_data()
    {
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("exact") << 2415 << 161;
        QTest::newRow("a third below") << 6800 << 453;
        QTest::newRow("just below a half") << 7 << 0;
        QTest::newRow("just above a half") << 8 << 1;
        QTest::newRow("negative") << -30 << -2;
    }

    void twipsRoundToTheNearestPixel()
    {
        QFETCH(int, twips);
        QFETCH(int, pixels);
        QCOMPARE(forms::twips(twips), pixels);
    }

    void designFontsAreSizedInPixels_data()
    {
        QTest::addColumn<double>("points");
        QTest::addColumn<int>("pixels");
        QTest::newRow("8.25") << 8.25 << 11;
        QTest::newRow("9.75") << 9.75 << 13;
        QTest::newRow("18") << 18.0 << 24;
    }

    void designFontsAreSizedInPixels()
    {
        QFETCH(double, points);
        QFETCH(int, pixels);
        const QFont font = forms::designFont(QStringLiteral("MS Sans Serif"), points, true);
        QCOMPARE(font.pixelSize(), pixels);
        QVERIFY(font.bold());
    }

    void shapeIsAFilledCircleWithAnOutline()
    {
        QWidget container;
        container.setAutoFillBackground(true);
        QPalette grey = container.palette();
        grey.setColor(QPalette::Window, QColor(forms::colors::lightGrey));
        container.setPalette(grey);
        container.resize(100, 100);
        forms::Shape shape(&container);
        shape.setFillColor(0x00FF00);
        shape.setWidth(1215);
        shape.setHeight(1095);
        QCOMPARE(shape.geometry(), QRect(0, 0, 81, 73));

        const QImage image = shown(container);
        const int centreX = 40;
        QCOMPARE(image.pixel(centreX, 36), qRgb(0, 255, 0));
        QCOMPARE(image.pixel(centreX, 0), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(centreX, 2), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(centreX, 4), qRgb(0, 255, 0));
        QCOMPARE(image.pixel(1, 1), qRgb(0xC0, 0xC0, 0xC0)); // outside the circle
        // the circle is centred across the wider box
        QCOMPARE(image.pixel(4, 36), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(76, 36), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(3, 36), qRgb(0xC0, 0xC0, 0xC0));
        QCOMPARE(image.pixel(77, 36), qRgb(0xC0, 0xC0, 0xC0));
        for (int y = 0; y < 73; ++y)
            for (int x = 0; x < 81; ++x) {
                const QRgb p = image.pixel(x, y);
                QVERIFY2(p == qRgb(0, 255, 0) || p == qRgb(0, 0, 0) || p == qRgb(0xC0, 0xC0, 0xC0),
                         "a smoothed pixel");
            }
    }

    // A swatch is what the child aims at, but the palette box beneath picks
    // the colour: a click on the swatch, as it reaches the window, is a press
    // on the box at that spot.
    void clickOnAShapeIsAPressOnTheBoxBeneath()
    {
        forms::PictureBox box;
        box.resize(120, 100);
        forms::Shape shape(&box);
        shape.setLeft(300);
        shape.setTop(150);
        shape.setWidth(1215);
        shape.setHeight(1095);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QSignalSpy presses(&box, &forms::PictureBox::MouseDown);
        QTest::mouseClick(box.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(60, 46));
        QCOMPARE(presses.size(), 1);
        QCOMPARE(presses[0][2].toFloat(), 60 * 15.0f);
        QCOMPARE(presses[0][3].toFloat(), 46 * 15.0f);
    }

    // Where Qt shows words of its own, they are Swedish.
    void qtSpeaksSwedish()
    {
        QCOMPARE(QCoreApplication::translate("QScrollBar", "Scroll here"),
                 QStringLiteral("Rulla här"));
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Undo"), QStringLiteral("&Ångra"));
        // Texts the catalogue lacks: the file chooser's and the answers of a question.
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Leta i:"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&No"), QStringLiteral("&Nej"));
        QCOMPARE(QLocale().language(), QLocale::Swedish);
    }

    // A message shows its text and one button, "OK"; the text takes no
    // selection, so no menu of Qt's own opens on it.
    void messageBoxShowsItsTextAndOK()
    {
        QString text;
        QStringList buttons;
        Qt::TextInteractionFlags interaction = Qt::TextSelectableByMouse;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            text = box->text();
            for (QAbstractButton *button : box->buttons())
                buttons << button->text();
            interaction = box->textInteractionFlags();
            box->accept();
        });
        forms::MsgBox(QStringLiteral("Det gick inte att skriva ut."));
        QCOMPARE(text, QStringLiteral("Det gick inte att skriva ut."));
        QCOMPARE(buttons, QStringList{"OK"});
        QCOMPARE(interaction, Qt::NoTextInteraction);
    }

    void panelShowsItsBackColorAndCountsEveryPressOnce()
    {
        forms::Panel3D panel(nullptr, 4);
        panel.setBackColor(QColor(0, 0, 255));
        panel.setCaption(QStringLiteral("Färg 5"));
        panel.resize(57, 57);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QCOMPARE(shown(panel).pixel(10, 45), qRgb(0, 0, 255));

        QSignalSpy clicks(&panel, &forms::Panel3D::Click);
        QSignalSpy doubleClicks(&panel, &forms::Panel3D::DblClick);
        // A double click reaches a widget as a press, a release and a
        // double-click event in place of the second press.
        QTest::mouseClick(&panel, Qt::LeftButton);
        QTest::mouseDClick(&panel, Qt::LeftButton);
        QTest::mouseRelease(&panel, Qt::LeftButton);
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(doubleClicks.size(), 1);
        QCOMPARE(clicks[0][0].toInt(), 4);
        QCOMPARE(doubleClicks[0][0].toInt(), 4);
    }

    void commandButtonShowsPictureAndCaptionAndClicks()
    {
        forms::CommandButton3D button;
        button.resize(57, 81);
        button.setCaption(QStringLiteral("Måla"));
        QImage red(20, 20, QImage::Format_RGB32);
        red.fill(Qt::red);
        button.setPicture(red);
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        QImage image = shown(button);
        QCOMPARE(image.pixel(28, 30), qRgb(255, 0, 0));

        QImage blue = red;
        blue.fill(Qt::blue);
        button.setPicture(blue);
        image = shown(button);
        QCOMPARE(image.pixel(28, 30), qRgb(0, 0, 255));

        QSignalSpy clicks(&button, &forms::CommandButton3D::Click);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicks.size(), 1);
    }

    void optionButtonsAreExclusiveAndReportIndexAndValue()
    {
        QWidget panel;
        forms::OptionButton3D first(&panel, 0);
        forms::OptionButton3D second(&panel, 1);
        first.setGeometry(0, 0, 100, 25);
        second.setGeometry(0, 30, 100, 25);
        first.setValue(true);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QSignalSpy clicks(&second, &forms::OptionButton3D::Click);
        QTest::mouseClick(&second, Qt::LeftButton);
        QVERIFY(second.Value());
        QVERIFY(!first.Value());
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(clicks[0][0].toInt(), 1);
        QCOMPARE(clicks[0][1].toInt(), -1);
    }

    void checkBoxTogglesItsValue()
    {
        forms::CheckBox3D box;
        box.setCaption(QStringLiteral("Skriv ut"));
        box.resize(110, 40);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QVERIFY(!box.Value());
        QTest::mouseClick(&box, Qt::LeftButton);
        QVERIFY(box.Value());
        QTest::mouseClick(&box, Qt::LeftButton);
        QVERIFY(!box.Value());
    }

    // The one test of the backdrop on its own; the desktops' part is in the
    // end-to-end desktop tests, and each program's tests see it kept behind
    // their window.
    void backdropCoversTheScreenAndKeepsItsWindowInFront()
    {
        forms::Backdrop backdrop;
        backdrop.show();
        QVERIFY(QTest::qWaitForWindowExposed(&backdrop));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(backdrop.geometry(), screen);
        QCOMPARE(shown(backdrop).pixel(5, 5), qRgb(0, 0, 0));

        QWidget front;
        front.resize(100, 100);
        backdrop.keepBehind(&front);
        front.show();
        QVERIFY(QTest::qWaitForWindowActive(&front));
        QCOMPARE(front.windowHandle()->transientParent(), backdrop.windowHandle());
        QTRY_COMPARE(front.geometry().center(), screen.center());

        backdrop.activateWindow();
        QTRY_VERIFY(front.isActiveWindow());
        // Another window is active before the click, so that the click is
        // what brings the window in front back.
        QWidget other;
        other.show();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QTest::mouseClick(&backdrop, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QTRY_VERIFY(front.isActiveWindow());
        QVERIFY(!backdrop.close());
    }

    void guardedHandlerReportsAFailure()
    {
        QString reported;
        forms::setErrorHandler([&](const QString &message) { reported = message; });
        forms::guarded([] { throw core::Error(QStringLiteral("Bilden a.bmp kan inte läsas.")); });
        QCOMPARE(reported, QStringLiteral("Bilden a.bmp kan inte läsas."));
        forms::guarded([] {});
        QCOMPARE(reported, QStringLiteral("Bilden a.bmp kan inte läsas."));
    }

    // What a program does as soon as its window is up (the importer opens
    // its file chooser) waits for the window's first picture, and runs once.
    void actionAfterFirstPaintWaitsForThePicture()
    {
        PaintCounter window;
        int runs = 0;
        int paintsBefore = 0;
        forms::afterFirstPaint(&window, [&] {
            ++runs;
            paintsBefore = window.paints;
        });
        QCoreApplication::processEvents();
        QCOMPARE(runs, 0);
        window.show();
        QTRY_COMPARE(runs, 1);
        QVERIFY(paintsBefore > 0);
        window.repaint();
        QCoreApplication::processEvents();
        QCOMPARE(runs, 1);
    }
};

QTEST_MAIN(TstControls)
#include "tst_controls.moc"
