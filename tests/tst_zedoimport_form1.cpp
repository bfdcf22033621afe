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

#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

namespace {

using Bench = fixture::FormFixture<zedoimport::Form1>;

// A bench whose file chooser answers `chosen` and whose questions are
// answered `answer`, recording both.
struct ImportBench : Bench
{
    ImportBench()
    {
        forms::setFileChooser([this](const QString &, const QString &, const QString &) {
            ++choices;
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
    int choices = 0;
    bool answer = false;
    QStringList questions;
};

const QByteArray &jpegPage()
{
    static const QByteArray jpeg = testpages::encoded(testpages::linePage(), "JPEG", 30);
    return jpeg;
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
    void startsWithTheChooserAndShowsBothPages();
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

void TstZedoimportForm1::startsWithTheChooserAndShowsBothPages()
{
    ImportBench bench;
    bench.write(QStringLiteral("Katt på tur.jpg"), jpegPage());
    bench.chosen = QStringLiteral("Katt på tur.jpg");
    QCOMPARE(bench.load(), std::nullopt);
    QVERIFY(bench.show());
    zedoimport::Form1 &form = bench.form();
    QCOMPARE(bench.choices, 1);
    QCOMPARE(form.windowTitle(), QStringLiteral("Krumelo – ny målarbild"));
    const QImage picture = QImage::fromData(jpegPage());
    QCOMPARE(rgb(form.Image2->Picture()), rgb(zedoimport::PreparePicture(picture).page));
    QCOMPARE(form.Image1->Picture(), core::page::fitPreview(picture));
    QCOMPARE(form.Text1->text(), QStringLiteral("Katt på tur.bmp"));
    QVERIFY(form.Command3D2->isEnabled());
    QVERIFY(!form.Spin1->isEnabled());
    QVERIFY(form.Check3D1->Value());
    // Both boxes show their page pixel for pixel.
    const QImage shown = form.Image2->grab().toImage().copy(1, 1, 353, 409);
    QCOMPARE(rgb(shown), rgb(form.page()));
    QCOMPARE(bench.messages, QStringList());
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
    const QImage picture = QImage::fromData(rings);
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
