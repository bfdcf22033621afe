// SPDX-License-Identifier: GPL-3.0-or-later
#include "zedoimport/form1.h"

#include "core/page.h"
#include "zedoimport/pagemaker.h"
#include "core/pictureloader.h"
#include "forms/checkbox3d.h"
#include "forms/commandbutton3d.h"
#include "forms/imagebox.h"
#include "forms/label.h"

#include "badfiles.h"
#include "fixture/formfixture.h"
#include "testpages.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QListView>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTest>

namespace {

using Bench = fixture::FormFixture<zedoimport::Form1>;

// A bench whose file chooser answers `chosen` and whose questions are
// answered `answer`, recording both.
struct ImportBench : Bench
{
    ImportBench()
    {
        forms::setFileChooser([this](const QString &, const QString &folder, const QString &) {
            folders << folder;
            return chosen.isEmpty() ? QString() : path(chosen);
        });
        forms::setQuestionHandler([this](const QString &question) {
            questions << question;
            return answer;
        });
    }
    ~ImportBench()
    {
        forms::setQuestionHandler([](const QString &) { return false; });
    }

    QString chosen;
    QStringList folders;
    bool answer = false;
    QStringList questions;
};

const QByteArray &jpegPage()
{
    static const QByteArray jpeg = testpages::encoded(testpages::linePage(), "JPEG", 30);
    return jpeg;
}

// The picture as the window reads it.
QImage readBack(const QByteArray &bytes)
{
    return zedoimport::ReadSourceData(bytes, QStringLiteral("sida")).picture;
}

QImage rgb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TstZedoimportForm1 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void startsWithTheChooserAndShowsBothPages();
    void chooserOpensInTheDownloadsThenTheLastFolder();
    void straighteningShowsTheSheetAndCanBeTurnedOff();
    void pagesOfAPdfArePickedBySight();
    void aPageIsChosenByKeys();
    void cancelledChooserLeavesTheWindowEmpty();
    void unreadableFileIsToldAndTheShownPageStays();
    void gapCheckBoxUpdatesThePage();
    void pageNumberChoosesThePdfPage();
    void saveWritesTheShownPage();
    void nameIsMadeSafeBeforeSaving();
    void takenNameIsReplacedOnlyWhenAllowed_data();
    void takenNameIsReplacedOnlyWhenAllowed();
    void failedSaveIsTold();
};

void TstZedoimportForm1::initTestCase()
{
    // The last folder is remembered in the settings of the tests, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    QSettings(QStringLiteral("Krumelo"), QStringLiteral("zedoimport")).clear();
}

void TstZedoimportForm1::startsWithTheChooserAndShowsBothPages()
{
    ImportBench bench;
    bench.write(QStringLiteral("Katt på tur.jpg"), jpegPage());
    bench.chosen = QStringLiteral("Katt på tur.jpg");
    QCOMPARE(bench.load(), std::nullopt);
    QVERIFY(bench.show());
    zedoimport::Form1 &form = bench.form();
    QCOMPARE(bench.folders.size(), 1);
    QCOMPARE(form.windowTitle(), QStringLiteral("Krumelo – ny målarbild"));
    const QImage picture = readBack(jpegPage());
    QCOMPARE(rgb(form.Image2->Picture()), rgb(zedoimport::PreparePicture(picture).page));
    QCOMPARE(form.Image1->Picture(), core::page::fitPreview(picture));
    QCOMPARE(form.Text1->text(), QStringLiteral("Katt på tur.bmp"));
    QVERIFY(form.Command3D2->isEnabled());
    QVERIFY(!form.Spin1->isEnabled());
    QVERIFY(form.Check3D1->Value());
    QVERIFY(form.Check3D2->Value());
    // Both boxes show their page pixel for pixel.
    const QImage shown = form.Image2->grab().toImage().copy(1, 1, 353, 409);
    QCOMPARE(rgb(shown), rgb(form.page()));
    QCOMPARE(bench.messages, QStringList());
}

void TstZedoimportForm1::chooserOpensInTheDownloadsThenTheLastFolder()
{
    const QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    const QString first = QFileInfo(downloads).isDir() ? downloads : QDir::homePath();
    ImportBench bench;
    bench.write(QStringLiteral("sida.jpg"), jpegPage());
    QCOMPARE(bench.load(), std::nullopt);
    bench.chosen = QStringLiteral("sida.jpg");
    QTest::mouseClick(bench.form().Command3D1, Qt::LeftButton);
    QTest::mouseClick(bench.form().Command3D1, Qt::LeftButton);
    // The next time the importer starts, too.
    zedoimport::Form1 again;
    again.Command3D1_Click();
    const QString here = QFileInfo(bench.path(QString())).absoluteFilePath();
    QCOMPARE(bench.folders, QStringList({first, first, here, here}));
}

// A photograph of a page on a table: the sheet found is outlined on the
// picture and straightened on the page, until the switch is turned off.
void TstZedoimportForm1::straighteningShowsTheSheetAndCanBeTurnedOff()
{
    ImportBench bench;
    const QByteArray photo =
        testpages::encoded(testpages::pageIn(testpages::Form::Photographed), "JPEG", 85);
    bench.write(QStringLiteral("foto.jpg"), photo);
    bench.chosen = QStringLiteral("foto.jpg");
    QCOMPARE(bench.load(), std::nullopt);
    zedoimport::Form1 &form = bench.form();
    const QImage picture = readBack(photo);
    const zedoimport::Prepared straight = zedoimport::PreparePicture(picture);
    QCOMPARE(straight.sheet.size(), 4);
    QCOMPARE(form.Image1->Picture(), core::page::fitPreview(picture, straight.sheet));
    QVERIFY(form.Image1->Picture() != core::page::fitPreview(picture));
    QCOMPARE(rgb(form.page()), rgb(straight.page));
    QTest::mouseClick(form.Check3D2, Qt::LeftButton);
    QCOMPARE(form.Image1->Picture(), core::page::fitPreview(picture));
    QCOMPARE(rgb(form.page()),
             rgb(zedoimport::PreparePicture(picture, {.straighten = false}).page));
    QVERIFY(rgb(form.page()) != rgb(straight.page));
}

// A PDF of several pages shows its pages to choose from as it opens; a click
// on one shows that page.
void TstZedoimportForm1::pagesOfAPdfArePickedBySight()
{
    ImportBench bench;
    const QByteArray pdf = testpages::pdfPage(3);
    bench.write(QStringLiteral("bok.pdf"), pdf);
    bench.chosen = QStringLiteral("bok.pdf");
    QCOMPARE(bench.load(), std::nullopt);
    zedoimport::Form2 *pages = bench.form().pageChooser();
    QVERIFY(pages && pages->isVisible());
    QCOMPARE(pages->windowTitle(), QStringLiteral("Välj sida"));
    QAbstractItemModel *model = pages->List1->model();
    QCOMPARE(model->rowCount(), 3);
    const auto picture = [&](int row) {
        return model->index(row, 0).data(Qt::DecorationRole).value<QImage>();
    };
    // Each page drawn small, told apart by the block below its drawing.
    QVERIFY(picture(0) != picture(2) && picture(1) != picture(2));
    QCOMPARE(model->index(2, 0).data().toString(), QStringLiteral("3"));
    const QRect third = pages->List1->visualRect(model->index(2, 0));
    QTest::mouseClick(pages->List1->viewport(), Qt::LeftButton, {}, third.center());
    QTRY_VERIFY(!bench.form().pageChooser());
    QCOMPARE(bench.form().Spin1->value(), 3);
    const QImage thirdPage =
        zedoimport::PreparePicture(
            zedoimport::ReadSourceData(pdf, QStringLiteral("bok.pdf"), 3).picture)
            .page;
    QCOMPARE(rgb(bench.form().page()), rgb(thirdPage));
}

// The adult who uses the keyboard picks a page with the arrows and Return.
void TstZedoimportForm1::aPageIsChosenByKeys()
{
    ImportBench bench;
    bench.write(QStringLiteral("bok.pdf"), testpages::pdfPage(3));
    bench.chosen = QStringLiteral("bok.pdf");
    QCOMPARE(bench.load(), std::nullopt);
    QListView *list = bench.form().pageChooser()->List1;
    QTest::keyClick(list, Qt::Key_Right);
    QTest::keyClick(list, Qt::Key_Return);
    QTRY_VERIFY(!bench.form().pageChooser());
    QCOMPARE(bench.form().Spin1->value(), 2);
}

void TstZedoimportForm1::cancelledChooserLeavesTheWindowEmpty()
{
    ImportBench bench;
    QCOMPARE(bench.load(), std::nullopt);
    QVERIFY(bench.form().page().isNull());
    QVERIFY(bench.form().Image2->Picture().isNull());
    QVERIFY(!bench.form().Command3D2->isEnabled());
    QVERIFY(bench.form().Label5->Caption().contains(QStringLiteral("Välj fil")));
}

void TstZedoimportForm1::unreadableFileIsToldAndTheShownPageStays()
{
    ImportBench bench;
    bench.write(QStringLiteral("sida.jpg"), jpegPage());
    bench.write(QStringLiteral("trasig.png"), badfiles::randomBytes(2, 3000));
    bench.chosen = QStringLiteral("sida.jpg");
    QCOMPARE(bench.load(), std::nullopt);
    const QImage shown = bench.form().page();
    bench.chosen = QStringLiteral("trasig.png");
    QTest::mouseClick(bench.form().Command3D1, Qt::LeftButton);
    QCOMPARE(bench.messages.size(), 1);
    QVERIFY2(bench.messages[0].startsWith(
                 QStringLiteral("Filen %1 kan inte läsas: ").arg(bench.path("trasig.png"))),
             qPrintable(bench.messages[0]));
    QCOMPARE(bench.form().page(), shown);
    QCOMPARE(bench.form().Text1->text(), QStringLiteral("sida.bmp"));
}

void TstZedoimportForm1::gapCheckBoxUpdatesThePage()
{
    ImportBench bench;
    const QByteArray rings = testpages::encoded(testpages::gapPage(), "JPEG", 85);
    bench.write(QStringLiteral("ringar.jpg"), rings);
    bench.chosen = QStringLiteral("ringar.jpg");
    QCOMPARE(bench.load(), std::nullopt);
    QVERIFY(bench.show());
    const QImage picture = readBack(rings);
    const QImage closed = zedoimport::PreparePicture(picture).page;
    const QImage open = zedoimport::PreparePicture(picture, {.closeGaps = false}).page;
    QVERIFY(rgb(closed) != rgb(open));
    QCOMPARE(rgb(bench.form().page()), rgb(closed));
    QTest::mouseClick(bench.form().Check3D1, Qt::LeftButton);
    QVERIFY(!bench.form().Check3D1->Value());
    QCOMPARE(rgb(bench.form().page()), rgb(open));
    QCOMPARE(rgb(bench.form().Image2->Picture()), rgb(open));
    QTest::mouseClick(bench.form().Check3D1, Qt::LeftButton);
    QCOMPARE(rgb(bench.form().page()), rgb(closed));
}

void TstZedoimportForm1::pageNumberChoosesThePdfPage()
{
    ImportBench bench;
    const QByteArray pdf = testpages::pdfPage(3);
    bench.write(QStringLiteral("sidor.pdf"), pdf);
    bench.chosen = QStringLiteral("sidor.pdf");
    QCOMPARE(bench.load(), std::nullopt);
    zedoimport::Form1 &form = bench.form();
    QVERIFY(form.Spin1->isEnabled());
    QCOMPARE(form.Spin1->maximum(), 3);
    QCOMPARE(form.Spin1->value(), 1);
    form.Spin1->setValue(3);
    const QImage third =
        zedoimport::PreparePicture(
            zedoimport::ReadSourceData(pdf, QStringLiteral("sidor.pdf"), 3).picture)
            .page;
    QCOMPARE(rgb(form.page()), rgb(third));
    QVERIFY(rgb(third) !=
            rgb(zedoimport::PreparePicture(
                    zedoimport::ReadSourceData(pdf, QStringLiteral("sidor.pdf"), 1).picture)
                    .page));
    // Another file starts again at its first page.
    bench.write(QStringLiteral("sida.jpg"), jpegPage());
    form.OpenFile(bench.path(QStringLiteral("sida.jpg")));
    QCOMPARE(form.Spin1->value(), 1);
    QVERIFY(!form.Spin1->isEnabled());
}

void TstZedoimportForm1::saveWritesTheShownPage()
{
    ImportBench bench;
    bench.write(QStringLiteral("sida.jpg"), jpegPage());
    bench.chosen = QStringLiteral("sida.jpg");
    QCOMPARE(bench.load(), std::nullopt);
    QTest::mouseClick(bench.form().Command3D2, Qt::LeftButton);
    QCOMPARE(bench.messages, QStringList());
    const QImage saved = core::LoadPicture(bench.path(QStringLiteral("sida.bmp")));
    QCOMPARE(rgb(saved), rgb(bench.form().page()));
    QVERIFY2(bench.form().Label5->Caption().contains(bench.path(QStringLiteral("sida.bmp"))),
             qPrintable(bench.form().Label5->Caption()));
    QCOMPARE(bench.questions, QStringList());
}

void TstZedoimportForm1::nameIsMadeSafeBeforeSaving()
{
    ImportBench bench;
    bench.write(QStringLiteral("sida.jpg"), jpegPage());
    bench.chosen = QStringLiteral("sida.jpg");
    QCOMPARE(bench.load(), std::nullopt);
    bench.form().Text1->setText(QStringLiteral("../Min katt!"));
    QTest::mouseClick(bench.form().Command3D2, Qt::LeftButton);
    QCOMPARE(bench.form().Text1->text(), QStringLiteral("Min katt.bmp"));
    QVERIFY(bench.read(QStringLiteral("Min katt.bmp")));
}

void TstZedoimportForm1::takenNameIsReplacedOnlyWhenAllowed_data()
{
    QTest::addColumn<bool>("answer");
    QTest::newRow("no") << false;
    QTest::newRow("yes") << true;
}

void TstZedoimportForm1::takenNameIsReplacedOnlyWhenAllowed()
{
    QFETCH(bool, answer);
    ImportBench bench;
    bench.write(QStringLiteral("sida.jpg"), jpegPage());
    bench.write(QStringLiteral("sida.bmp"), "an older page");
    bench.chosen = QStringLiteral("sida.jpg");
    bench.answer = answer;
    QCOMPARE(bench.load(), std::nullopt);
    QTest::mouseClick(bench.form().Command3D2, Qt::LeftButton);
    QCOMPARE(bench.questions.size(), 1);
    QVERIFY(bench.questions[0].contains(QStringLiteral("sida.bmp")));
    const QByteArray now = bench.read(QStringLiteral("sida.bmp")).value();
    if (answer)
        QCOMPARE(rgb(core::LoadPicture(bench.path(QStringLiteral("sida.bmp")))),
                 rgb(bench.form().page()));
    else
        QCOMPARE(now, QByteArray("an older page"));
}

void TstZedoimportForm1::failedSaveIsTold()
{
    ImportBench bench;
    bench.write(QStringLiteral("sida.jpg"), jpegPage());
    QVERIFY(QDir(bench.path(QString())).mkdir(QStringLiteral("sida.bmp")));
    bench.chosen = QStringLiteral("sida.jpg");
    bench.answer = true;
    QCOMPARE(bench.load(), std::nullopt);
    QTest::mouseClick(bench.form().Command3D2, Qt::LeftButton);
    QCOMPARE(bench.messages.size(), 1);
    QVERIFY2(bench.messages[0].startsWith(QStringLiteral("Målarbilden kan inte sparas som %1: ")
                                              .arg(bench.path(QStringLiteral("sida.bmp")))),
             qPrintable(bench.messages[0]));
    QVERIFY(!bench.form().Label5->Caption().contains(QStringLiteral("Sparad")));
}

QTEST_MAIN(TstZedoimportForm1)
#include "tst_zedoimport_form1.moc"
