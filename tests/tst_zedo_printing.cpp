// Printing the print page and quitting. Pages go to PDF files, which are
// rendered back at screen resolution to look at the paper.
#include "forms/backdrop.h"
#include "forms/commandbutton3d.h"
#include "forms/picturebox.h"
#include "forms/printing.h"
#include "zedo/form1.h"
#include "zedo/form2.h"
#include "fixture/reference.h"
#include "fixture/zedofixture.h"

#include <QApplication>
#include <QPageLayout>
#include <QPointer>
#include <QProcess>
#include <QTest>

using fixture::rgbOf;
using fixture::ZedoFixture;

namespace {

std::unique_ptr<QPrinter> pdfPrinter(const QString &file, const QPageSize &paper, double margin)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(file);
    printer->setPageLayout(QPageLayout(paper, QPageLayout::Portrait,
                                       QMarginsF(margin, margin, margin, margin),
                                       QPageLayout::Millimeter));
    return printer;
}

// The paper of a PDF file's first page as seen at 96 dots per inch.
QImage paperOf(const QString &pdf)
{
    QProcess pdftoppm;
    pdftoppm.setStandardErrorFile(QProcess::nullDevice());
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {"-png", "-r", "96", "-singlefile", pdf, pdf + QStringLiteral("-paper")});
    if (!pdftoppm.waitForFinished(60000) || pdftoppm.exitCode() != 0)
        return {};
    return QImage(pdf + QStringLiteral("-paper.png")).convertToFormat(QImage::Format_RGB32);
}

// Paints a dot and fills square A with the mouse, then one more dot on the
// screen only, which only the print button's commit keeps.
void paintSomething(zedo::Form1 &form)
{
    QTest::mouseClick(form.Command3D3, Qt::LeftButton); // to the drawing tool
    QTest::mouseClick(form.Picture1, Qt::LeftButton, {}, QPoint(200, 300));
    QTest::mouseClick(form.Command3D3, Qt::LeftButton); // to the fill tool
    QTest::mouseClick(form.Picture1, Qt::LeftButton, {}, QPoint(70, 70));
    form.Picture1->PSet(250, 200);
}

} // namespace

class TstZedoPrinting : public QObject
{
    Q_OBJECT

private slots:
    void printedPageHoldsThePainting_data()
    {
        QTest::addColumn<QPageSize>("paper");
        QTest::addColumn<double>("margin"); // millimetres
        QTest::newRow("printed on A4") << QPageSize(QPageSize::A4) << 10.0;
        QTest::newRow("printed on a small card")
            << QPageSize(QSizeF(120, 90), QPageSize::Millimeter) << 5.0;
    }

    // The paper as it comes out: the print page at screen size across the
    // top, or made smaller to fit a small card, with the painting on it.
    void printedPageHoldsThePainting()
    {
        QFETCH(QPageSize, paper);
        QFETCH(double, margin);
        ZedoFixture program;
        QVERIFY(program.start(fixture::settings({9}, 15, -1)));
        zedo::Form1 &form = program.form();
        paintSomething(form);
        const QString pdf = program.path(QStringLiteral("page.pdf"));
        forms::setPrinterSource([&] { return pdfPrinter(pdf, paper, margin); });
        QTest::mouseClick(form.Command3D1, Qt::LeftButton);
        QVERIFY(program.messages.isEmpty());
        QVERIFY(!form.form2()->isVisible());

        const QImage shown = paperOf(pdf);
        QVERIFY(!shown.isNull());
        COMPARE_LOOKS(shown, fixture::referenceName(QTest::currentDataTag()));
    }

    void printingTwicePrintsTheSamePage()
    {
        ZedoFixture program;
        QVERIFY(program.start(fixture::settings({12}, 10, -1)));
        paintSomething(program.form());
        QStringList pdfs;
        forms::setPrinterSource([&] {
            pdfs << program.path(QStringLiteral("page%1.pdf").arg(pdfs.size()));
            return pdfPrinter(pdfs.last(), QPageSize(QPageSize::A4), 10);
        });
        QTest::mouseClick(program.form().Command3D1, Qt::LeftButton);
        QTest::mouseClick(program.form().Command3D1, Qt::LeftButton);
        QCOMPARE(pdfs.size(), 2);
        const QImage first = paperOf(pdfs[0]);
        QVERIFY(!first.isNull());
        QCOMPARE(paperOf(pdfs[1]), first);
    }

    void failedPrintIsToldAndThePaintingKept_data()
    {
        QTest::addColumn<bool>("printerExists");
        QTest::addColumn<QString>("cause");
        QTest::newRow("no default printer") << false << "ingen standardskrivare";
        QTest::newRow("printer refuses the page") << true << "tog inte emot";
    }

    void failedPrintIsToldAndThePaintingKept()
    {
        QFETCH(bool, printerExists);
        QFETCH(QString, cause);
        ZedoFixture program;
        QVERIFY(program.start(fixture::settings({9}, 15, -1)));
        zedo::Form1 &form = program.form();
        paintSomething(form);
        const QImage painted = form.Picture1->surface();
        const QString unwritable = program.path(QStringLiteral("missing/folder/page.pdf"));
        forms::setPrinterSource([&] {
            return printerExists ? pdfPrinter(unwritable, QPageSize(QPageSize::A4), 10)
                                 : forms::printerFor(QPrinterInfo());
        });
        if (printerExists)
            QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        QTest::mouseClick(form.Command3D1, Qt::LeftButton);

        QCOMPARE(program.messages.size(), 1);
        QVERIFY2(program.messages[0].startsWith("Det gick inte att skriva ut: ") &&
                     program.messages[0].contains(cause),
                 qPrintable(program.messages[0]));
        QVERIFY(program.errors.isEmpty());
        QCOMPARE(program.ends, 0);
        QVERIFY(form.isVisible());
        QCOMPARE(form.Picture1->surface(), painted);
        QCOMPARE(form.Picture1->keptImage().pixel(250, 200), rgbOf(9));
    }

    void quitEndsAtOnceWithoutUnloading()
    {
        ZedoFixture program;
        QVERIFY(program.start(fixture::settings({9})));
        QPointer<forms::Backdrop> backdrop;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (auto *found = qobject_cast<forms::Backdrop *>(window))
                backdrop = found;
        }
        QVERIFY(backdrop);
        QTest::mouseClick(program.form().Command3D2, Qt::LeftButton);
        QCOMPARE(program.ends, 1);
        QVERIFY(backdrop); // the unload handler has not run
        QVERIFY(program.messages.isEmpty());
    }
};

QTEST_MAIN(TstZedoPrinting)
#include "tst_zedo_printing.moc"
