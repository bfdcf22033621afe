// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/colortable.h"

#include "errormessage.h"

#include <QSet>
#include <QTest>

using core::ColorValue;

class TstColorTable : public QObject
{
    Q_OBJECT

private slots:
    void indexGivesItsColour_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        QTest::addColumn<uint>("value");
        QTest::newRow("0 black") << 0 << 0 << 0 << 0 << 0x000000u;
        QTest::newRow("1 blue") << 1 << 0 << 0 << 128 << 0x800000u;
        QTest::newRow("2 green") << 2 << 0 << 128 << 0 << 0x008000u;
        QTest::newRow("3 cyan") << 3 << 0 << 128 << 128 << 0x808000u;
        QTest::newRow("4 red") << 4 << 128 << 0 << 0 << 0x000080u;
        QTest::newRow("5 magenta") << 5 << 128 << 0 << 128 << 0x800080u;
        QTest::newRow("6 dark yellow") << 6 << 128 << 128 << 0 << 0x008080u;
        QTest::newRow("7 light grey") << 7 << 192 << 192 << 192 << 0xC0C0C0u;
        QTest::newRow("8 grey") << 8 << 128 << 128 << 128 << 0x808080u;
        QTest::newRow("9 light blue") << 9 << 0 << 0 << 255 << 0xFF0000u;
        QTest::newRow("10 light green") << 10 << 0 << 255 << 0 << 0x00FF00u;
        QTest::newRow("11 light cyan") << 11 << 0 << 255 << 255 << 0xFFFF00u;
        QTest::newRow("12 light red") << 12 << 255 << 0 << 0 << 0x0000FFu;
        QTest::newRow("13 light magenta") << 13 << 255 << 0 << 255 << 0xFF00FFu;
        QTest::newRow("14 yellow") << 14 << 255 << 255 << 0 << 0x00FFFFu;
        QTest::newRow("15 white") << 15 << 255 << 255 << 255 << 0xFFFFFFu;
    }

    void indexGivesItsColour()
    {
        QFETCH(int, index);
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        QFETCH(uint, value);
        QCOMPARE(core::QBColor(index), ColorValue(value));
        QCOMPARE(core::toRgb(core::QBColor(index)), qRgb(red, green, blue));
        QCOMPARE(core::toColorValue(qRgb(red, green, blue)), ColorValue(value));
    }

    // Told by a screen reader, each has a name of its own; other colours none.
    void sixteenDifferentColours()
    {
        QSet<ColorValue> values;
        QSet<QString> names;
        for (int index = 0; index < core::ColorIndexCount; ++index) {
            values.insert(core::QBColor(index));
            names.insert(core::colorName(core::QBColor(index)));
        }
        QCOMPARE(values.size(), 16);
        names.remove(QString());
        QCOMPARE(names.size(), 16);
        QCOMPARE(core::colorName(0x0A0B0C), QString());
    }

    void indexOutsideTheTableIsRefused_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("-1") << -1;
        QTest::newRow("16") << 16;
        QTest::newRow("largest 16-bit") << 32767;
        QTest::newRow("smallest 16-bit") << -32768;
    }

    void indexOutsideTheTableIsRefused()
    {
        QFETCH(int, index);
        const auto message = errorMessageOf([&] { core::QBColor(index); });
        QVERIFY2(message, "no core::Error thrown");
        QVERIFY2(message->contains(QString::number(index)), qPrintable(*message));
    }

    // The settings hold colour values and Qt paints in 0xAARRGGBB; a colour
    // must survive the trip both ways, whatever alpha Qt's side carries.
    void conversionsRoundTrip_data()
    {
        QTest::addColumn<uint>("value");
        QTest::addColumn<QRgb>("rgb");
        QTest::newRow("every byte different") << 0x123456u << qRgb(0x56, 0x34, 0x12);
        QTest::newRow("only red") << 0x0000FFu << qRgb(255, 0, 0);
        QTest::newRow("only blue") << 0xFF0000u << qRgb(0, 0, 255);
        QTest::newRow("off the table") << 0x0A0B0Cu << qRgb(0x0C, 0x0B, 0x0A);
    }

    void conversionsRoundTrip()
    {
        QFETCH(uint, value);
        QFETCH(QRgb, rgb);
        QCOMPARE(core::toRgb(value), rgb);
        QCOMPARE(qAlpha(core::toRgb(value)), 255);
        QCOMPARE(core::toColorValue(rgb), ColorValue(value));
        QCOMPARE(core::toColorValue(rgb & 0x00FFFFFF), ColorValue(value));
    }
};

QTEST_GUILESS_MAIN(TstColorTable)
#include "tst_colortable.moc"
