// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the print page and quitting. Pages go to PDF files, which are
// rendered back at screen resolution to look at the paper, and finer to look
// at its pixels.
#include "forms/backdrop.h"
#include "forms/commandbutton3d.h"
#include "forms/design.h"
#include "forms/picturebox.h"
#include "forms/printing.h"
#include "zedo/form1.h"
#include "zedo/form2.h"
#include "fixture/reference.h"
#include "fixture/zedofixture.h"
#include "pixels.h"

#include <QApplication>
#include <QPageLayout>
#include <QPointer>
#include <QProcess>
#include <QTest>

using fixture::rgbOf;
using fixture::ZedoFixture;

namespace {

std::unique_ptr<QPrinter> pdfPrinter(const QString &file, const QPageSize &paper,
                                     const QMarginsF &margins = QMarginsF(10, 10, 10, 10))
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(file);
    printer->setPageLayout(
        QPageLayout(paper, QPageLayout::Portrait, margins, QPageLayout::Millimeter));
    return printer;
}

// The paper of a PDF file's first page as seen at `dpi` dots per inch.
QImage paperOf(const QString &pdf, int dpi = 96)
{
    const QString png = pdf + QStringLiteral("-%1dpi").arg(dpi);
    QProcess pdftoppm;
    pdftoppm.setStandardErrorFile(QProcess::nullDevice());
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {"-png", "-r", QString::number(dpi), "-singlefile", pdf, png});
    if (!pdftoppm.waitForFinished(60000) || pdftoppm.exitCode() != 0)
        return {};
    return QImage(png + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

// Where the pixels of `form` lie on `paper`, from where the print page's
// grey frame lies on each.
QRectF formOnPaper(const QImage &form, const QImage &paper)
{
    const QRectF inForm = pixels::paintedRect(form, forms::colors::lightGrey);
    const QRectF onPaper = pixels::paintedRect(paper, forms::colors::lightGrey);
    const double scale = onPaper.width() / inForm.width();
    return {onPaper.topLeft() - inForm.topLeft() * scale, QSizeF(form.size()) * scale};
}

// How many pixels of `form` the middle of their squares on `paper` does not
// show in their colour.
int mismatches(const QImage &form, const QImage &paper, const QRectF &placed)
{
    const double scale = placed.width() / form.width();
    int count = 0;
    for (int y = 0; y < form.height(); ++y) {
        for (int x = 0; x < form.width(); ++x) {
            const QPointF middle = placed.topLeft() + QPointF(x + 0.5, y + 0.5) * scale;
            count += paper.pixel(int(middle.x()), int(middle.y())) != form.pixel(x, y);
        }
    }
    return count;
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
    void printedPageFillsTheSheet_data()
    {
        QTest::addColumn<QPageSize>("paper");
        QTest::addColumn<QMarginsF>("margins"); // millimetres: left, top, right, bottom
        QTest::addColumn<int>("dpi");           // to look at a pixel of the form closely
        QTest::newRow("printed on A4") << QPageSize(QPageSize::A4) << QMarginsF(5, 5, 5, 5) << 200;
        QTest::newRow("printed on Letter")
            << QPageSize(QPageSize::Letter) << QMarginsF(6.35, 12.7, 6.35, 16.9) << 200;
        QTest::newRow("printed on a small card")
            << QPageSize(QSizeF(120, 90), QPageSize::Millimeter) << QMarginsF(5, 5, 5, 5) << 600;
    }

    // The print page as large as the printable area allows, in the middle of
    // the sheet, every pixel of it a square of its own colour.
    void printedPageFillsTheSheet()
    {
        QFETCH(QPageSize, paper);
        QFETCH(QMarginsF, margins);
        QFETCH(int, dpi);
        ZedoFixture program;
        QVERIFY(program.start(fixture::settings({9}, 15, -1)));
        zedo::Form1 &form = program.form();
        paintSomething(form);
        const QString pdf = program.path(QStringLiteral("page.pdf"));
        forms::setPrinterSource([&] { return pdfPrinter(pdf, paper, margins); });
        QTest::mouseClick(form.Command3D1, Qt::LeftButton);
        QVERIFY(program.messages.isEmpty());
        QVERIFY(!form.form2()->isVisible());

        const QImage shown = paperOf(pdf);
        QVERIFY(!shown.isNull());
        COMPARE_LOOKS(shown, fixture::referenceName(QTest::currentDataTag()));

        const QImage page = form.form2()
                                ->grab(form.form2()->childrenRect())
                                .toImage()
                                .convertToFormat(QImage::Format_RGB32);
        const QImage closely = paperOf(pdf, dpi);
        const QRectF placed = formOnPaper(page, closely);
        const double perMm = dpi / 25.4;
        const QSizeF printable =
            QRectF(QPointF(), paper.size(QPageSize::Millimeter)).marginsRemoved(margins).size();
        QVERIFY(placed.width() >= 0.85 * printable.width() * perMm ||
                placed.height() >= 0.85 * printable.height() * perMm);
        const QPointF offCentre = (placed.center() - QRectF(closely.rect()).center()) / perMm;
        QVERIFY2(qAbs(offCentre.x()) < 2 && qAbs(offCentre.y()) < 2,
                 qPrintable(QStringLiteral("%1, %2 mm").arg(offCentre.x()).arg(offCentre.y())));
        QCOMPARE(mismatches(page, closely, placed), 0);
    }

    void printingTwicePrintsTheSamePage()
    {
        ZedoFixture program;
        QVERIFY(program.start(fixture::settings({12}, 10, -1)));
        paintSomething(program.form());
        QStringList pdfs;
        forms::setPrinterSource([&] {
            pdfs << program.path(QStringLiteral("page%1.pdf").arg(pdfs.size()));
            return pdfPrinter(pdfs.last(), QPageSize(QPageSize::A4));
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
            return printerExists ? pdfPrinter(unwritable, QPageSize(QPageSize::A4))
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
