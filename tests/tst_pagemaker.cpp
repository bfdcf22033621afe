// SPDX-License-Identifier: GPL-3.0-or-later
// Pages prepared from whole pictures: drawn for the screen, compressed,
// faint, coloured in, scanned and photographed.
#include "zedoimport/pagemaker.h"

#include "pagecheck.h"
#include "testpages.h"

#include <QTest>

namespace {

namespace page = core::page;

QImage prepared(const QImage &picture, const zedoimport::PageOptions &options = {})
{
    return zedoimport::PreparePicture(picture, options).page;
}

QImage decoded(const QByteArray &bytes)
{
    return QImage::fromData(bytes);
}

// The page's piece at a point of the A4 drawing.
int areaAt(const pagecheck::Pieces &areas, QPointF a4)
{
    const QRect box = page::fittedRect(testpages::A4);
    const QPoint p = box.topLeft() + QPoint(int(a4.x() * box.width() / testpages::A4.width()),
                                            int(a4.y() * box.height() / testpages::A4.height()));
    return areas.at(p);
}

// The rings of the gap page that the fill can leave through their opening.
QList<int> openRings(const QImage &prepared)
{
    const pagecheck::Pieces areas = pagecheck::whitePieces(prepared);
    QList<int> open;
    int i = 0;
    for (int width : testpages::GapWidths) {
        const QPointF centre(600 + 1200 * (i % 2), 600 + 1100 * (i / 2));
        if (areaAt(areas, centre) == areas.at(QPoint(0, 0)))
            open << width;
        ++i;
    }
    return open;
}

} // namespace

class TstPageMaker : public QObject
{
    Q_OBJECT

private slots:
    void preparedPage_data();
    void preparedPage();
    void formsComeOutAsClean_data();
    void formsComeOutAsClean();
    void gapsClosedUpToThreePixels();
    void anyPictureGivesAPage_data();
    void anyPictureGivesAPage();
};

void TstPageMaker::preparedPage_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<QImage>("original");
    const QImage a4 = testpages::linePage();
    QTest::newRow("A4 300 dpi, JPEG quality 30")
        << decoded(testpages::encoded(a4, "JPEG", 30)) << a4;
    QTest::newRow("A4 300 dpi, JPEG quality 85")
        << decoded(testpages::encoded(a4, "JPEG", 85)) << a4;
    QTest::newRow("A4 300 dpi, PNG with transparency")
        << decoded(testpages::encoded(testpages::linePage(testpages::A4, testpages::Fill::Clear),
                                      "PNG"))
        << a4;
    const QImage a4at150 = testpages::linePage(QSize(1240, 1754));
    QTest::newRow("A4 150 dpi, JPEG quality 30")
        << decoded(testpages::encoded(a4at150, "JPEG", 30)) << a4at150;
}

// What the child's fill needs, measured on whole pages: the size, pure
// black and white, every area of 40 pixels or more kept apart from the
// others, no line broken, no speck.
void TstPageMaker::preparedPage()
{
    QFETCH(QImage, picture);
    QFETCH(QImage, original);
    const QImage result = prepared(picture);
    QCOMPARE(result.size(), page::Size);
    QVERIFY(pagecheck::onlyBlackAndWhite(result));
    const pagecheck::Areas areas = pagecheck::compareAreas(original, result);
    qInfo("%s: %d of %d areas of 40 pixels or more kept, %d joined", QTest::currentDataTag(),
          areas.kept, areas.big, areas.joined);
    QCOMPARE(areas.joined, 0);
    QCOMPARE(areas.kept, areas.big);
    QCOMPARE(pagecheck::brokenLines(original, result), 0);
    QCOMPARE(pagecheck::blackPieces(result).sizes.size(),
             pagecheck::blackPieces(original, 64).sizes.size());
    QVERIFY(pagecheck::smallestBlack(result) > page::MaxSpeck);
    QVERIFY(pagecheck::smallestWhite(result) >= page::MinWhiteArea);
}

void TstPageMaker::formsComeOutAsClean_data()
{
    QTest::addColumn<testpages::Form>("form");
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("faint lines on grainy paper, PNG")
        << testpages::Form::Faint << QByteArray("PNG");
    QTest::newRow("coloured in, JPEG") << testpages::Form::Coloured << QByteArray("JPEG");
    QTest::newRow("scanned book page, JPEG") << testpages::Form::Scanned << QByteArray("JPEG");
    QTest::newRow("photographed book page, JPEG")
        << testpages::Form::Photographed << QByteArray("JPEG");
}

// Each form of the drawing against the same drawing made clean: as many
// areas to colour, each in its place, of its size and shape, and not much
// more black.
void TstPageMaker::formsComeOutAsClean()
{
    QFETCH(testpages::Form, form);
    QFETCH(QByteArray, format);
    static const QImage clean = prepared(testpages::pageIn(testpages::Form::Clean));
    const QImage picture = decoded(testpages::encoded(testpages::pageIn(form), format, 85));
    const QImage result = prepared(picture);
    const pagecheck::Likeness like = pagecheck::likeness(clean, result);
    qInfo("%s: %d of %d areas matched, %d new, black %d of the clean %d", QTest::currentDataTag(),
          like.matched, like.areas, like.extra, like.otherBlack, like.black);
    QCOMPARE(like.matched, like.areas);
    QCOMPARE(like.extra, 0);
    QVERIFY(like.otherBlack < like.black * 13 / 10);
}

void TstPageMaker::gapsClosedUpToThreePixels()
{
    const QImage rings = decoded(testpages::encoded(testpages::gapPage(), "JPEG", 85));
    QCOMPARE(openRings(prepared(rings)), QList<int>({8, 12}));
    QCOMPARE(openRings(prepared(rings, {.closeGaps = false})), QList<int>({2, 3, 8, 12}));
}

void TstPageMaker::anyPictureGivesAPage_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<bool>("blank");
    const auto black = [](QSize size) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::black);
        return image;
    };
    QTest::newRow("nothing, a white page") << QImage() << true;
    QTest::newRow("one black pixel") << black(QSize(1, 1)) << false;
    QTest::newRow("2 x 7") << black(QSize(2, 7)) << false;
    QTest::newRow("a line of 5000 x 3") << black(QSize(5000, 3)) << false;
    QTest::newRow("63 x 64 of black") << black(QSize(63, 64)) << false;
    QTest::newRow("a photograph") << decoded(
                                         testpages::encoded(testpages::photograph(), "JPEG", 85))
                                  << false;
}

// Whatever the picture, a page of the size, pure black and white, with no
// speck and no white area too small to colour.
void TstPageMaker::anyPictureGivesAPage()
{
    QFETCH(QImage, picture);
    QFETCH(bool, blank);
    const QImage result = prepared(picture);
    QCOMPARE(result.size(), page::Size);
    QVERIFY(pagecheck::onlyBlackAndWhite(result));
    QVERIFY(pagecheck::smallestBlack(result) == 0 ||
            pagecheck::smallestBlack(result) > page::MaxSpeck);
    QVERIFY(pagecheck::smallestWhite(result) >= page::MinWhiteArea);
    if (blank)
        QCOMPARE(pagecheck::whitePieces(result).sizes, QList<int>({353 * 409}));
}

QTEST_GUILESS_MAIN(TstPageMaker)
#include "tst_pagemaker.moc"
