// SPDX-License-Identifier: GPL-3.0-or-later
// The main window of the colouring program as it is built and as its
// settings file sets it up.
#include "core/colortable.h"
#include "core/pictureloader.h"
#include "forms/backdrop.h"
#include "forms/commandbutton3d.h"
#include "forms/picturebox.h"
#include "forms/shape.h"
#include "zedo/form1.h"
#include "zedo/form2.h"
#include "fixture/zedofixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTest>
#include <QWindow>

using fixture::rgbOf;
using fixture::ZedoFixture;

namespace {

forms::Backdrop *findBackdrop()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *backdrop = qobject_cast<forms::Backdrop *>(window))
            return backdrop;
    }
    return nullptr;
}

} // namespace

class TstZedoStartup : public QObject
{
    Q_OBJECT

private slots:
    void designGivesWindowCaptionsAndPictures()
    {
        zedo::Form1 form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Krumelo"));
        QCOMPARE(form.size(), QSize(632, 453));
        QCOMPARE(form.Command3D2->Caption(), QStringLiteral("Sluta"));
        QCOMPARE(form.Command3D1->Caption(), QStringLiteral("Skriv ut"));
        QCOMPARE(form.Command3D3->Caption(), QStringLiteral("Måla"));
        QCOMPARE(form.Command3D2->Picture(), core::LoadPicture(":/stop.ico"));
        QCOMPARE(form.Command3D1->Picture(), core::LoadPicture(":/printer.bmp"));
        QCOMPARE(form.Command3D3->Picture(), form.Picture4->picture());
        QCOMPARE(form.Picture3->picture(), core::LoadPicture(":/pencil.ico"));
        QCOMPARE(form.Picture4->picture(), core::LoadPicture(":/palette.bmp"));
        QCOMPARE(form.Picture1->picture(), core::LoadPicture(":/page.bmp"));
        QCOMPARE(form.Command3D2->font().pixelSize(), 13);
        QCOMPARE(form.Command3D1->font().pixelSize(), 11);
        QVERIFY(form.Command3D1->font().bold());

        const QImage shown = form.grab().toImage();
        QCOMPARE(QColor(shown.pixel(600, 400)), QColor(255, 255, 128)); // below the buttons
        QCOMPARE(QColor(shown.pixel(100, 10)), QColor(192, 192, 192));  // palette frame
        for (forms::Shape *swatch : form.Shape1) {
            QVERIFY(!swatch->isVisibleTo(&form));
            QCOMPARE(swatch->FillColor(), core::ColorValue(0x0000FF));
        }
    }

    void closingTheWindowUnloadsBackdropAndPrintPage()
    {
        ZedoFixture program;
        QVERIFY(program.start(fixture::settings({12})));
        const QPointer<QWidget> backdrop = findBackdrop();
        const QPointer<QWidget> printPage = program.form().form2();
        QVERIFY(backdrop && printPage);
        QVERIFY(backdrop->isVisible());
        QCOMPARE(program.form().windowHandle()->transientParent(), backdrop->windowHandle());
        program.form().close();
        QVERIFY(backdrop.isNull());
        QVERIFY(printPage.isNull());
        QCOMPARE(program.ends, 0);
    }

    // The print system's library comes with the first print, not with the
    // start of every program.
    void startsWithoutThePrintSystem()
    {
        ZedoFixture program;
        QVERIFY(program.start(fixture::settings({12})));
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        QVERIFY(!maps.readAll().contains("libcups"));
    }

    void settingsAreApplied_data()
    {
        QTest::addColumn<QList<int>>("colors");
        QTest::addColumn<int>("penWidth");
        QTest::addColumn<int>("startInFillMode");
        QTest::addColumn<QList<int>>("buttons"); // ShowQuit, ShowPrint, ShowToolToggle
        QTest::addColumn<QString>("toolCaption");
        QTest::newRow("0 colours") << QList<int>{} << 5 << -1 << QList<int>{-1, -1, -1} << "Måla";
        QTest::newRow("1 colour") << QList<int>{14} << 10 << 0 << QList<int>{-1, 0, -1} << "Rita";
        QTest::newRow("5 colours")
            << QList<int>{12, 9, 2, 14, 10} << 10 << -1 << QList<int>{-1, -1, -1} << "Måla";
        QTest::newRow("7 colours")
            << QList<int>{1, 3, 5, 6, 8, 11, 13} << 15 << 0 << QList<int>{0, -1, 0} << "Rita";
        QTest::newRow("10 colours") << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 15} << 15 << -1
                                    << QList<int>{-1, -1, -1} << "Måla";
        QTest::newRow("Booleans as 1")
            << QList<int>{9, 2} << 5 << 1 << QList<int>{1, 1, 1} << "Måla";
        QTest::newRow("buttons hidden") << QList<int>{9} << 5 << 0 << QList<int>{0, 0, 0} << "Rita";
    }

    void settingsAreApplied()
    {
        QFETCH(QList<int>, colors);
        QFETCH(int, penWidth);
        QFETCH(int, startInFillMode);
        QFETCH(QList<int>, buttons);
        QFETCH(QString, toolCaption);
        ZedoFixture program;
        QVERIFY(program.start(fixture::settings(colors, penWidth, startInFillMode, buttons[0],
                                                buttons[1], buttons[2])));
        zedo::Form1 &form = program.form();

        for (int i = 0; i < 10; ++i) {
            const bool configured = i < colors.size();
            QCOMPARE(form.Shape1[i]->isVisible(), configured);
            QCOMPARE(form.Shape1[i]->FillColor(),
                     configured ? core::QBColor(colors[i]) : core::ColorValue(0x0000FF));
        }
        const core::ColorValue first = colors.isEmpty() ? 0x0000FF : core::QBColor(colors[0]);
        QCOMPARE(form.Picture1->ForeColor(), first);
        QCOMPARE(form.Picture1->FillColor(), first);
        QCOMPARE(form.Picture1->DrawWidth(), penWidth);
        QCOMPARE(form.Command3D3->Caption(), toolCaption);
        const forms::PictureBox *holder = toolCaption == "Rita" ? form.Picture3 : form.Picture4;
        QCOMPARE(form.Command3D3->Picture(), holder->picture());
        QCOMPARE(form.Command3D2->isVisible(), buttons[0] != 0);
        QCOMPARE(form.Command3D1->isVisible(), buttons[1] != 0);
        QCOMPARE(form.Command3D3->isVisible(), buttons[2] != 0);
        QCOMPARE(form.Picture1->picture(), fixture::testPage());
        QCOMPARE(QColor(form.Picture1->surface().pixel(fixture::SquareA.topLeft())),
                 QColor(Qt::black));
    }

    void pictureIsTheNamedFileFromTheCurrentFolder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("blank");
        QTest::newRow("empty name: blank canvas") << QString() << true;
        QTest::newRow("name with a comma") << "a, b.bmp" << false;
        QTest::newRow("name in a subfolder") << "pages/page.bmp" << false;
    }

    void pictureIsTheNamedFileFromTheCurrentFolder()
    {
        QFETCH(QString, name);
        QFETCH(bool, blank);
        ZedoFixture program;
        if (!name.isEmpty()) {
            QDir().mkpath(QStringLiteral("pages"));
            QVERIFY(fixture::testPage().save(program.path(name), "BMP"));
        }
        QVERIFY(program.start(fixture::settings({12}, 10, -1, -1, -1, -1, name)));
        const QImage &kept = program.form().Picture1->keptImage();
        QCOMPARE(program.form().Picture1->picture().isNull(), blank);
        QCOMPARE(QColor(kept.pixel(fixture::SquareA.topLeft())),
                 blank ? QColor(Qt::white) : QColor(Qt::black));
        QCOMPARE(QColor(kept.pixel(350, 420)), QColor(Qt::white)); // canvas background
    }

    // Values before the fault have taken effect, none after it.
    void settingsBeforeAFaultAreApplied()
    {
        ZedoFixture program;
        program.writeSettings(fixture::settings({12, 9, 16}, 5, 0));
        QVERIFY(program.load().has_value());
        zedo::Form1 &form = program.form();
        QCOMPARE(form.Picture1->picture(), fixture::testPage());
        QVERIFY(form.Shape1[0]->isVisibleTo(&form));
        QVERIFY(form.Shape1[1]->isVisibleTo(&form));
        QCOMPARE(form.Shape1[1]->FillColor(), core::QBColor(9));
        QCOMPARE(form.Picture1->ForeColor(), core::ColorValue(0x000000));
        QCOMPARE(form.Picture1->FillColor(), core::ColorValue(0x0000FF));
        QCOMPARE(form.Picture1->DrawWidth(), 10);
        QCOMPARE(form.Command3D3->Caption(), QStringLiteral("Måla"));
    }
};

QTEST_MAIN(TstZedoStartup)
#include "tst_zedo_startup.moc"
