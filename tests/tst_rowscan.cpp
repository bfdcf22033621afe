// SPDX-License-Identifier: GPL-3.0-or-later
// Searching and painting along one row, where sixteen pixels are taken at a
// time: borders in every place of a chunk, and rows that end inside one.
#include "core/rowscan.h"

#include <QTest>

#include <vector>

namespace {

constexpr QRgb Border = 0xFF000000;
constexpr QRgb BorderRgb = Border & core::rowscan::RgbMask;
constexpr QRgb Fill = 0xFF00FF00;

// '#' a border pixel, 'a' the border colour with another alpha (still
// border), 'r' red, any other character white.
std::vector<QRgb> rowOf(const QString &text)
{
    std::vector<QRgb> row;
    for (QChar c : text)
        row.push_back(c == u'#'   ? Border
                      : c == u'a' ? 0x00000000
                      : c == u'r' ? 0xFFFF0000
                                  : 0xFFFFFFFF);
    return row;
}

QString textOf(const std::vector<QRgb> &row)
{
    QString text;
    for (QRgb pixel : row)
        text += pixel == Border ? u'#' : pixel == Fill ? u'g' : pixel == 0 ? u'a' : u'.';
    return text;
}

QString dots(int count)
{
    return QString(count, u'.');
}

} // namespace

class TstRowScan : public QObject
{
    Q_OBJECT

private slots:
    void paintToBorder_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<int>("x");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("stop");
        QTest::newRow("border at x") << "..#.." << 2 << "..#.." << 2;
        QTest::newRow("to the end of a short row") << "....." << 1 << ".gggg" << 5;
        QTest::newRow("border in the first chunk's third vector")
            << dots(9) + "#" + dots(10) << 0 << QString(9, u'g') + "#" + dots(10) << 9;
        QTest::newRow("border in the last lane of the second chunk")
            << dots(31) + "#." << 0 << QString(31, u'g') + "#." << 31;
        QTest::newRow("border just past a whole chunk")
            << dots(19) + "#" << 3 << "..." + QString(16, u'g') + "#" << 19;
        QTest::newRow("border with another alpha")
            << dots(20) + "a" << 0 << QString(20, u'g') + "a" << 20;
        QTest::newRow("red is painted over") << "r.r.rr#" << 0 << "gggggg#" << 6;
        QTest::newRow("to the end of a long row")
            << dots(37) << 2 << ".." + QString(35, u'g') << 37;
    }

    void paintToBorder()
    {
        QFETCH(QString, row);
        QFETCH(int, x);
        QFETCH(QString, after);
        QFETCH(int, stop);
        std::vector<QRgb> pixels = rowOf(row);
        QCOMPARE(
            core::rowscan::paintToBorder(pixels.data(), x, int(pixels.size()), BorderRgb, Fill),
            stop);
        QCOMPARE(textOf(pixels), after);
    }

    void nextOpen_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("end");
        QTest::addColumn<int>("open");
        QTest::newRow("x is open") << "#.#" << 1 << 3 << 1;
        QTest::newRow("after a thin line") << "#.#" << 0 << 3 << 1;
        QTest::newRow("after two chunks of border") << QString(35, u'#') + "." << 0 << 36 << 35;
        QTest::newRow("border with another alpha") << "#a#aa." << 0 << 6 << 5;
        QTest::newRow("none before the end") << QString(40, u'#') + "." << 3 << 40 << 40;
        QTest::newRow("empty range") << ".." << 2 << 2 << 2;
    }

    void nextOpen()
    {
        QFETCH(QString, row);
        QFETCH(int, x);
        QFETCH(int, end);
        QFETCH(int, open);
        const std::vector<QRgb> pixels = rowOf(row);
        QCOMPARE(core::rowscan::nextOpen(pixels.data(), x, end, BorderRgb), open);
    }

    void stretchStart_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("start");
        QTest::newRow("at x, after a border") << "..#.." << 3 << 3;
        QTest::newRow("at the row's start") << "....#" << 3 << 0;
        QTest::newRow("two chunks back") << "#" + dots(40) << 38 << 1;
        QTest::newRow("border in the chunk before x") << dots(20) + "#" + dots(20) << 39 << 21;
        QTest::newRow("border with another alpha") << dots(5) + "a" + dots(30) << 33 << 6;
        QTest::newRow("x is 0") << "." << 0 << 0;
    }

    void stretchStart()
    {
        QFETCH(QString, row);
        QFETCH(int, x);
        QFETCH(int, start);
        const std::vector<QRgb> pixels = rowOf(row);
        QCOMPARE(core::rowscan::stretchStart(pixels.data(), x, BorderRgb), start);
    }
};

QTEST_GUILESS_MAIN(TstRowScan)
#include "tst_rowscan.moc"
