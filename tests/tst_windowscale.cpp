// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/windowscale.h"

#include <QTest>

class TstWindowScale : public QObject
{
    Q_OBJECT

private slots:
    void largestScaleThatFits_data()
    {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QSize>("area");
        QTest::addColumn<int>("scale");
        const QSize design(632, 453);
        const QSize frame(16, 48);
        QTest::newRow("1920x1080 with a panel") << design << frame << QSize(1920, 1050) << 2;
        QTest::newRow("1920x1080 bare") << design << frame << QSize(1920, 1080) << 2;
        QTest::newRow("1280x1024 too narrow for 2") << design << frame << QSize(1280, 1024) << 1;
        QTest::newRow("2560x1440 too low for 3") << design << frame << QSize(2560, 1410) << 2;
        QTest::newRow("3840x2160") << design << frame << QSize(3840, 2130) << 4;
        QTest::newRow("smaller than the window") << design << frame << QSize(640, 480) << 1;
        QTest::newRow("no area") << design << frame << QSize(0, 0) << 1;
        QTest::newRow("95 % exactly") << QSize(100, 100) << QSize(0, 0) << QSize(2000, 2000) << 19;
        QTest::newRow("a pixel short of 95 %")
            << QSize(100, 100) << QSize(0, 0) << QSize(1999, 2000) << 18;
        QTest::newRow("the frame decides")
            << QSize(100, 100) << QSize(0, 10) << QSize(2000, 2000) << 18;
        QTest::newRow("empty window") << QSize(0, 0) << frame << QSize(1920, 1080) << 1;
    }

    void largestScaleThatFits()
    {
        QFETCH(QSize, window);
        QFETCH(QSize, frame);
        QFETCH(QSize, area);
        QFETCH(int, scale);
        QCOMPARE(core::wholeScale(window, frame, area), scale);
    }
};

QTEST_GUILESS_MAIN(TstWindowScale)
#include "tst_windowscale.moc"
