// SPDX-License-Identifier: GPL-3.0-or-later
// File names in the order a Swedish reader looks for them, on a machine whose
// own language is not Swedish (the tests run in the C locale).
#include "core/nameorder.h"

#include <QTest>

class TstNameOrder : public QObject
{
    Q_OBJECT

private slots:
    void namesInSwedishOrder_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("sorted");
        QTest::newRow("å, ä, ö after z")
            << QStringList{"öga.bmp", "äpple.bmp", "åsna.bmp", "zebra.bmp", "apa.bmp"}
            << QStringList{"apa.bmp", "zebra.bmp", "åsna.bmp", "äpple.bmp", "öga.bmp"};
        QTest::newRow("case ignored")
            << QStringList{"Öga.bmp", "bil.bmp", "Apa.bmp", "Ärta.bmp", "cykel.bmp"}
            << QStringList{"Apa.bmp", "bil.bmp", "cykel.bmp", "Ärta.bmp", "Öga.bmp"};
        QTest::newRow("v and w apart") << QStringList{"wok.bmp", "vas.bmp", "vwx.bmp", "val.bmp"}
                                       << QStringList{"val.bmp", "vas.bmp", "vwx.bmp", "wok.bmp"};
        QTest::newRow("a letter with a mark sorts with its letter")
            << QStringList{"ett.bmp", "éclair.bmp", "dal.bmp", "fisk.bmp"}
            << QStringList{"dal.bmp", "éclair.bmp", "ett.bmp", "fisk.bmp"};
        QTest::newRow("names that differ only in case: capitals first")
            << QStringList{"hus.bmp", "HUS.bmp", "Hus.bmp"}
            << QStringList{"HUS.bmp", "Hus.bmp", "hus.bmp"};
        QTest::newRow("shorter first") << QStringList{"bil2.bmp", "bil.bmp", "bi.bmp"}
                                       << QStringList{"bi.bmp", "bil.bmp", "bil2.bmp"};
    }

    void namesInSwedishOrder()
    {
        QFETCH(QStringList, names);
        QFETCH(QStringList, sorted);
        QCOMPARE(core::sortedByName(names), sorted);
    }

    void namesMatchingAPattern_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<bool>("matches");
        QTest::newRow("a bitmap") << u"hus.bmp"_qs << u"*.bmp"_qs << true;
        QTest::newRow("case ignored") << u"HÄST.BMP"_qs << u"*.bmp"_qs << true;
        QTest::newRow("another ending") << u"hus.bmp.png"_qs << u"*.bmp"_qs << false;
        QTest::newRow("the ending twice") << u"a.bmp.bmp"_qs << u"*.bmp"_qs << true;
        QTest::newRow("? is one letter") << u"bil2.bmp"_qs << u"bil?.bmp"_qs << true;
    }

    void namesMatchingAPattern()
    {
        QFETCH(QString, name);
        QFETCH(QString, pattern);
        QFETCH(bool, matches);
        QCOMPARE(core::matchesPattern(name, pattern), matches);
    }
};

QTEST_GUILESS_MAIN(TstNameOrder)
#include "tst_nameorder.moc"
