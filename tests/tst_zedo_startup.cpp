// The main window of the colouring program as it is built and as its
// settings file sets it up.
#include "core/colortable.h"
#include "core/pictureloader.h"
#include "forms/backdrop.h"
#include "forms/commandbutton3d.h"
#include "forms/design.h"
#include "forms/panel3d.h"
#include "forms/picturebox.h"
#include "forms/shape.h"
#include "zedo/form1.h"
#include "zedo/form2.h"
#include "fixture/zedofixture.h"

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <map>

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
    void designPlacesEveryControl_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<bool>("shown");
        QTest::newRow("Panel3D1") << "Panel3D1" << QRect(0, 0, 193, 453) << true;
        QTest::newRow("Picture2") << "Picture2" << QRect(16, 24, 161, 409) << true;
        QTest::newRow("Panel3D2") << "Panel3D2" << QRect(192, 0, 385, 453) << true;
        QTest::newRow("Picture1") << "Picture1" << QRect(16, 16, 353, 425) << true;
        QTest::newRow("Command3D2") << "Command3D2" << QRect(576, 0, 57, 81) << true;
        QTest::newRow("Command3D1") << "Command3D1" << QRect(576, 80, 57, 81) << true;
        QTest::newRow("Command3D3") << "Command3D3" << QRect(576, 160, 57, 81) << true;
        QTest::newRow("Picture3") << "Picture3" << QRect(584, 256, 41, 41) << false;
        QTest::newRow("Picture4") << "Picture4" << QRect(584, 304, 41, 41) << false;
    }

    void designPlacesEveryControl()
    {
        QFETCH(QString, control);
        QFETCH(QRect, geometry);
        QFETCH(bool, shown);
        zedo::Form1 form;
        const std::map<QString, QWidget *> controls = {
            {"Panel3D1", form.Panel3D1},     {"Picture2", form.Picture2},
            {"Panel3D2", form.Panel3D2},     {"Picture1", form.Picture1},
            {"Command3D2", form.Command3D2}, {"Command3D1", form.Command3D1},
            {"Command3D3", form.Command3D3}, {"Picture3", form.Picture3},
            {"Picture4", form.Picture4}};
        QWidget *widget = controls.at(control);
        QCOMPARE(widget->geometry(), geometry);
        QCOMPARE(widget->isVisibleTo(&form), shown);
    }

    // Printing takes the print page at its design size; the tests of
    // printing read its places from the window.
    void designPlacesThePrintPage()
    {
        zedo::Form2 page;
        QCOMPARE(page.size(), QSize(612, 465));
        QCOMPARE(page.Panel3D2->geometry(), QRect(200, 24, 385, 441));
        QCOMPARE(page.Picture1->geometry(), QRect(16, 16, 353, 409));
        QVERIFY(!page.isVisible());
    }

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

    void windowIsCentredInFrontOfTheBackdrop()
    {
        ZedoFixture program;
        QVERIFY(program.start(fixture::settings({12, 9})));
        forms::Backdrop *backdrop = findBackdrop();
        QVERIFY(backdrop);
        QVERIFY(backdrop->isVisible());
        const QScreen *screen = QGuiApplication::primaryScreen();
        QCOMPARE(backdrop->geometry(), screen->geometry());
        QCOMPARE(QColor(backdrop->grab().toImage().pixel(5, 5)), QColor(Qt::black));
        const QPoint offset =
            program.form().geometry().center() - screen->availableGeometry().center();
        // Within the few pixels of a window frame.
        QVERIFY2(std::abs(offset.x()) <= 3 && std::abs(offset.y()) <= 3, "not centred");
        QCOMPARE(program.form().windowHandle()->transientParent(), backdrop->windowHandle());

        // Neither activating the backdrop nor a click on it leaves it in front.
        backdrop->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &program.form());
        QTest::mouseClick(backdrop, Qt::LeftButton, {}, QPoint(5, 5));
        QTRY_COMPARE(QApplication::activeWindow(), &program.form());
    }

    void closingTheWindowUnloadsBackdropAndPrintPage()
    {
        ZedoFixture program;
        QVERIFY(program.start(fixture::settings({12})));
        const QPointer<QWidget> backdrop = findBackdrop();
        const QPointer<QWidget> printPage = program.form().form2();
        QVERIFY(backdrop && printPage);
        program.form().close();
        QVERIFY(backdrop.isNull());
        QVERIFY(printPage.isNull());
        QCOMPARE(program.ends, 0);
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

    void startupFailure_data()
    {
        QTest::addColumn<QStringList>("values"); // empty: no settings file at all
        QTest::addColumn<QString>("named");      // what the message must name
        const auto valid = [](int at, const QString &value) {
            QStringList values = fixture::settings({12, 9, 2});
            values[at] = value;
            return values;
        };
        QTest::newRow("no settings file") << QStringList() << "zedo.ini";
        QTest::newRow("picture missing") << valid(0, "\"gone.bmp\"") << "gone.bmp";
        QTest::newRow("picture not a picture") << valid(0, "\"zedo.ini\"") << "zedo.ini";
        QTest::newRow("file ends early") << valid(0, "\"page.bmp\"").mid(0, 5) << "PenWidth";
        QTest::newRow("number too big") << valid(5, "32768") << "PenWidth";
        QTest::newRow("ColorCount -32768") << valid(1, "-32768") << "ColorCount";
        QTest::newRow("ColorCount 11")
            << fixture::settings({1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12}) << "ColorCount";
        QTest::newRow("colour index 16") << valid(3, "16") << "16";
        QTest::newRow("colour index -1") << valid(4, "-1") << "-1";
        QTest::newRow("pen width 0") << valid(5, "0") << "Pennbredden 0";
        QTest::newRow("pen width -5") << valid(5, "-5") << "Pennbredden -5";
    }

    void startupFailure()
    {
        QFETCH(QStringList, values);
        QFETCH(QString, named);
        ZedoFixture program;
        if (!values.isEmpty())
            program.writeSettings(values);
        const std::optional<QString> failure = program.load();
        QVERIFY(failure);
        QVERIFY2(failure->contains(named), qPrintable(*failure));
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
