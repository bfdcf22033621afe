#include "core/page.h"

#include "pagecheck.h"
#include "pixels.h"
#include "testpages.h"

#include <QPainter>
#include <QTest>

namespace {

namespace page = core::page;

// Tiny ink images are drawn as text, '#' black and '.' white, so a case and
// its expected result read like pictures.
QImage inkOf(const QStringList &rows)
{
    QImage image(int(rows[0].size()), int(rows.size()), QImage::Format_Grayscale8);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.scanLine(y)[x] = rows[y][x] == u'#' ? 0 : 255;
    return image;
}

QStringList artOf(const QImage &image)
{
    return pixels::artOf(image, [](QRgb p) { return p == qRgb(0, 0, 0) ? u'#' : u'.'; });
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

// A closed box below room for a square, its top side given.
QStringList boxArt(const QString &top)
{
    const QString blank(14, u'.');
    const QString side = QStringLiteral(".#..........#.");
    return {blank, blank, blank, blank, top, side, side, side, side, ".############.", blank};
}

} // namespace

class TstPage : public QObject
{
    Q_OBJECT
private slots:
    void threshold_data();
    void threshold();
    void fittedRect_data();
    void fittedRect();
    void fitToPage_keepsThinLinesAndAreas_data();
    void fitToPage_keepsThinLinesAndAreas();
    void fitToPage_enlargesPixelsAsBlocks();
    void cleaning_data();
    void cleaning();
    void preparedPage_data();
    void preparedPage();
    void colouredAreasBecomeWhite();
    void gapsClosedUpToThreePixels();
    void photographGivesAPage();
    void emptyPictureGivesWhitePage();
    void suggestedName_data();
    void suggestedName();
};

void TstPage::threshold_data()
{
    QTest::addColumn<QImage::Format>("format");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("ink");
    const auto row = [](const char *name, QColor colour, bool ink) {
        QTest::newRow(name) << QImage::Format_ARGB32 << colour << ink;
    };
    row("black", Qt::black, true);
    row("white", Qt::white, false);
    row("grey 150, an anti-aliased edge", QColor(150, 150, 150), true);
    row("grey 170, compression ringing", QColor(170, 170, 170), false);
    row("strong red area", QColor(255, 0, 0), false);
    row("strong blue area", QColor(0, 0, 255), false);
    row("very dark blue", QColor(0, 0, 100), true);
    row("transparent black", QColor(0, 0, 0, 0), false);
    row("half transparent black", QColor(0, 0, 0, 128), true);
    row("mostly transparent black", QColor(0, 0, 0, 64), false);
    QTest::newRow("grey picture, black") << QImage::Format_Grayscale8 << QColor(Qt::black) << true;
    QTest::newRow("grey picture, light")
        << QImage::Format_Grayscale8 << QColor(200, 200, 200) << false;
    QTest::newRow("16-bit, half transparent")
        << QImage::Format_RGBA64 << QColor(0, 0, 0, 128) << true;
    QTest::newRow("indexed, dark") << QImage::Format_Indexed8 << QColor(60, 60, 60) << true;
}

void TstPage::threshold()
{
    QFETCH(QImage::Format, format);
    QFETCH(QColor, colour);
    QFETCH(bool, ink);
    // A picture taller than a strip, so every strip is read.
    QImage picture(3, 150, QImage::Format_ARGB32);
    picture.fill(Qt::white);
    picture.setPixelColor(1, 140, colour);
    picture = picture.convertToFormat(format);
    const QImage result = page::threshold(picture);
    QCOMPARE(result.size(), picture.size());
    QCOMPARE(result.pixel(1, 140), ink ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    QCOMPARE(result.pixel(0, 140), qRgb(255, 255, 255));
}

void TstPage::fittedRect_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("expected");
    // The room is 341 x 397 inside a margin of 6.
    QTest::newRow("A4 page") << testpages::A4 << QRect(36, 6, 280, 397);
    QTest::newRow("square") << QSize(1000, 1000) << QRect(6, 34, 341, 341);
    QTest::newRow("wide") << QSize(3000, 1000) << QRect(6, 148, 341, 113);
    QTest::newRow("small, enlarged") << QSize(100, 200) << QRect(77, 6, 198, 397);
    QTest::newRow("a line") << QSize(30000, 1) << QRect(6, 204, 341, 1);
    QTest::newRow("nothing") << QSize(0, 0) << QRect();
}

void TstPage::fittedRect()
{
    QFETCH(QSize, size);
    QFETCH(QRect, expected);
    QCOMPARE(page::fittedRect(size), expected);
}

void TstPage::fitToPage_keepsThinLinesAndAreas_data()
{
    QTest::addColumn<qreal>("angle");
    for (qreal angle : {0.0, 7.0, 30.0, 45.0, 80.0})
        QTest::addRow("1-pixel lines at %g degrees", angle) << angle;
}

// Lines one picture pixel wide, ten times thinner than a page pixel, cross
// the picture and part it into areas; none breaks and none of the areas joins.
void TstPage::fitToPage_keepsThinLinesAndAreas()
{
    QFETCH(qreal, angle);
    QImage picture(3000, 3400, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.setPen(QPen(Qt::black, 0));
    p.translate(1500, 1700);
    p.rotate(angle);
    for (int i = -4; i <= 4; ++i)
        p.drawLine(QPointF(-3000, i * 300), QPointF(3000, i * 300 + 37));
    p.drawLine(QPointF(-3, -3000), QPointF(-3, 3000));
    p.end();
    const QImage fitted = page::fitToPage(page::threshold(picture));
    QCOMPARE(fitted.size(), page::Size);
    QCOMPARE(pagecheck::blackPieces(fitted).sizes.size(), 1);
    QCOMPARE(pagecheck::brokenLines(picture, fitted), 0);
    const pagecheck::Areas areas = pagecheck::compareAreas(picture, fitted);
    QCOMPARE(areas.joined, 0);
    QCOMPARE(areas.kept, areas.big);
}

void TstPage::fitToPage_enlargesPixelsAsBlocks()
{
    // 341 x 341 from 11 x 11: each picture pixel becomes a block of 31.
    QImage picture = inkOf({"...........", ".#.........", "...........", "...........",
                            "...........", ".....#.....", "...........", "...........",
                            "...........", ".........#.", "..........."});
    const QImage fitted = page::fitToPage(picture);
    const QRect box = page::fittedRect(picture.size());
    QCOMPARE(box, QRect(6, 34, 341, 341));
    const QList<int> sizes = pagecheck::blackPieces(fitted).sizes;
    QCOMPARE(sizes, QList<int>({31 * 31, 31 * 31, 31 * 31}));
    QCOMPARE(fitted.pixel(box.left() + 5 * 31, box.top() + 5 * 31), qRgb(0, 0, 0));
    QCOMPARE(fitted.pixel(box.left() + 5 * 31 - 1, box.top() + 5 * 31), qRgb(255, 255, 255));
}

void TstPage::cleaning_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    const auto unchanged = [](const char *name, const char *step, const QStringList &art) {
        QTest::newRow(name) << step << art << art;
    };
    QTest::newRow("specks of up to four pixels go, bigger ones and lines stay")
        << "specks" << QStringList{"..........", ".#....##..", "......##..", "..........",
                                   "........#.", ".###......", "..........", "##########"}
        << QStringList{"..........", "..........", "..........", "..........",
                       "..........", "..........", "..........", "##########"};
    unchanged("five pixels are a drawn dot", "specks", {"......", "..##..", "..###.", "......"});
    unchanged("a speck that touches a line by a corner is part of it", "specks",
              {"......", ".#....", "..####", "......"});
    QTest::newRow("white islands under six pixels become black")
        << "islands" << QStringList{"............", ".##########.", ".#.#..#...#.",
                                    ".#.#..#...#.", ".##########.", "............"}
        << QStringList{"............", ".##########.", ".######...#.",
                       ".######...#.", ".##########.", "............"};
    QTest::newRow("an opening of two pixels is closed")
        << "gaps" << boxArt(".####..######.") << boxArt(".############.");
    unchanged("an opening of four pixels stays open", "gaps", boxArt(".####....####."));
    unchanged("a narrow dead end and a corner stay white", "gaps",
              {"...........", "...........", "..#.#......", "..#.#......", "..###....#.",
               ".........#.", "......####.", "..........."});
}

void TstPage::cleaning()
{
    QFETCH(QString, step);
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    QImage image = inkOf(before);
    if (step == u"specks")
        page::removeSpecks(image);
    else if (step == u"islands")
        page::fillWhiteIslands(image);
    else
        page::closeGaps(image);
    QCOMPARE(artOf(image), after);
}

void TstPage::preparedPage_data()
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
void TstPage::preparedPage()
{
    QFETCH(QImage, picture);
    QFETCH(QImage, original);
    const QImage prepared = page::preparePage(picture);
    QCOMPARE(prepared.size(), page::Size);
    QVERIFY(pagecheck::onlyBlackAndWhite(prepared));
    const pagecheck::Areas areas = pagecheck::compareAreas(original, prepared);
    qInfo("%s: %d of %d areas of 40 pixels or more kept, %d joined", QTest::currentDataTag(),
          areas.kept, areas.big, areas.joined);
    QCOMPARE(areas.joined, 0);
    QCOMPARE(areas.kept, areas.big);
    QCOMPARE(pagecheck::brokenLines(original, prepared), 0);
    QCOMPARE(pagecheck::blackPieces(prepared).sizes.size(),
             pagecheck::blackPieces(original, 64).sizes.size());
    QVERIFY(pagecheck::smallestBlack(prepared) > page::MaxSpeck);
    QVERIFY(pagecheck::smallestWhite(prepared) >= page::MinWhiteArea);
}

// Coloured areas become white areas to colour, inside their black outlines:
// the page is the page of the same drawing without the colours.
void TstPage::colouredAreasBecomeWhite()
{
    const QImage lines = testpages::linePage();
    const QImage coloured = decoded(testpages::encoded(
        testpages::linePage(testpages::A4, testpages::Fill::Colours), "JPEG", 85));
    const QImage prepared = page::preparePage(coloured);
    const pagecheck::Areas areas = pagecheck::compareAreas(lines, prepared);
    qInfo("coloured page: %d of %d areas kept, %d joined", areas.kept, areas.big, areas.joined);
    QCOMPARE(areas.joined, 0);
    QCOMPARE(areas.kept, areas.big);
    QCOMPARE(pagecheck::brokenLines(lines, prepared), 0);
    const QImage plain = page::preparePage(lines);
    int differ = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            differ += plain.pixel(x, y) != prepared.pixel(x, y);
    QVERIFY2(differ < plain.width() * plain.height() / 100, qPrintable(QString::number(differ)));
}

void TstPage::gapsClosedUpToThreePixels()
{
    const QImage rings = decoded(testpages::encoded(testpages::gapPage(), "JPEG", 85));
    QCOMPARE(openRings(page::preparePage(rings)), QList<int>({8, 12}));
    QCOMPARE(openRings(page::preparePage(rings, {.closeGaps = false})), QList<int>({2, 3, 8, 12}));
}

void TstPage::photographGivesAPage()
{
    const QImage photo = decoded(testpages::encoded(testpages::photograph(), "JPEG", 85));
    const QImage prepared = page::preparePage(photo);
    QCOMPARE(prepared.size(), page::Size);
    QVERIFY(pagecheck::onlyBlackAndWhite(prepared));
    QVERIFY(pagecheck::smallestBlack(prepared) > page::MaxSpeck);
    QVERIFY(pagecheck::smallestWhite(prepared) >= page::MinWhiteArea);
}

void TstPage::emptyPictureGivesWhitePage()
{
    const QImage prepared = page::preparePage(QImage());
    QCOMPARE(prepared.size(), page::Size);
    QCOMPARE(pagecheck::whitePieces(prepared).sizes, QList<int>({353 * 409}));
}

void TstPage::suggestedName_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "/home/anna/Hämtade filer/katt.jpg"
                           << "katt.bmp";
    QTest::newRow("Swedish letters and spaces") << "Älg i skogen.pdf"
                                                << "Älg i skogen.bmp";
    QTest::newRow("signs become hyphens") << "katt&hund (2).png"
                                          << "katt-hund-2.bmp";
    QTest::newRow("typed with .bmp") << "båten.bmp"
                                     << "båten.bmp";
    QTest::newRow("path signs typed") << "../../etc/passwd"
                                      << "passwd.bmp";
    QTest::newRow("characters beyond the settings file") << "猫.png"
                                                         << "målarbild.bmp";
    QTest::newRow("nothing left") << "...png"
                                  << "målarbild.bmp";
    QTest::newRow("very long") << QString(60, u'a') + ".png" << QString(40, u'a') + ".bmp";
}

void TstPage::suggestedName()
{
    QFETCH(QString, fileName);
    QFETCH(QString, expected);
    QCOMPARE(page::suggestedName(fileName), expected);
}

QTEST_GUILESS_MAIN(TstPage)
#include "tst_page.moc"
