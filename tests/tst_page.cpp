// SPDX-License-Identifier: GPL-3.0-or-later
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
    void fittedRect_data();
    void fittedRect();
    void fitToPage_keepsThinLinesAndAreas_data();
    void fitToPage_keepsThinLinesAndAreas();
    void fitToPage_enlargesPixelsAsBlocks();
    void cleaning_data();
    void cleaning();
    void suggestedName_data();
    void suggestedName();
};

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
    const QImage fitted = page::fitToPage(picture.convertToFormat(QImage::Format_Grayscale8));
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
