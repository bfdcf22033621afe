// SPDX-License-Identifier: GPL-3.0-or-later
// The colouring program's main window as the child sees it, a whole picture
// at a time: at start, after some colouring, with the keyboard's focus on a
// button, with buttons hidden, and the palette for every count of colours.
#include "fixture/reference.h"
#include "fixture/zedofixture.h"

#include "forms/commandbutton3d.h"
#include "forms/panel3d.h"
#include "forms/picturebox.h"
#include "forms/shape.h"
#include "zedo/form1.h"

#include <QApplication>
#include <QFile>
#include <QTest>

using fixture::ZedoFixture;

namespace {

// The example page and its settings file: five colours, the widest pen, the
// fill tool first and all three buttons.
const QString Page = QStringLiteral("ballonger.bmp");

bool startWithExample(ZedoFixture &program, const QStringList &settings)
{
    if (!QFile::copy(QStringLiteral(KRUMELO_EXAMPLES "/ballonger.bmp"), program.path(Page)))
        return false;
    return program.start(settings) && program.activate();
}

QPoint swatchCentre(zedo::Form1 &form, int swatch)
{
    return form.Shape1[swatch]->geometry().center();
}

// A few minutes of colouring: two areas filled, the pen taken, a stroke and
// a dot drawn in another colour.
void colourSome(zedo::Form1 &form)
{
    QTest::mouseClick(form.Picture2, Qt::LeftButton, {}, swatchCentre(form, 1));
    QTest::mouseClick(form.Picture1, Qt::LeftButton, {}, QPoint(250, 150)); // the round balloon
    QTest::mouseClick(form.Picture2, Qt::LeftButton, {}, swatchCentre(form, 3));
    QTest::mouseClick(form.Picture1, Qt::LeftButton, {}, QPoint(80, 150)); // the long balloon
    QTest::mouseClick(form.Command3D3, Qt::LeftButton);                    // to the pen
    QTest::mouseClick(form.Picture2, Qt::LeftButton, {}, swatchCentre(form, 4));
    QTest::mousePress(form.Picture1, Qt::LeftButton, {}, QPoint(40, 380));
    for (int x = 50; x <= 330; x += 10)
        QTest::mouseMove(form.Picture1, QPoint(x, 380 - (x % 40)));
    QTest::mouseRelease(form.Picture1, Qt::LeftButton, {}, QPoint(330, 380));
    QTest::mouseClick(form.Picture2, Qt::LeftButton, {}, swatchCentre(form, 0));
    QTest::mouseClick(form.Picture1, Qt::LeftButton, {}, QPoint(300, 40));
}

void pressTab(int times)
{
    for (int i = 0; i < times; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
}

} // namespace

class TstZedoLooks : public QObject
{
    Q_OBJECT

private slots:
    void mainWindowLooks_data()
    {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QString>("steps");
        const QStringList example = fixture::settings({12, 9, 2, 14, 10}, 15, -1, -1, -1, -1, Page);
        QTest::newRow("zedo at start") << example << "";
        QTest::newRow("zedo after colouring") << example << "colour";
        QTest::newRow("zedo with the focus on Sluta") << example << "tab 2";
        QTest::newRow("zedo with the focus on the tool button") << example << "tab 4";
        QTest::newRow("zedo with only the tool button and the pen first")
            << fixture::settings({1, 13, 6}, 5, 0, 0, 0, -1, Page) << "";
    }

    void mainWindowLooks()
    {
        QFETCH(QStringList, settings);
        QFETCH(QString, steps);
        ZedoFixture program;
        QVERIFY(startWithExample(program, settings));
        if (steps == u"colour")
            colourSome(program.form());
        else if (steps.startsWith(u"tab "))
            pressTab(steps.mid(4).toInt());
        COMPARE_LOOKS(fixture::pictureOf(program.form()),
                      fixture::referenceName(QTest::currentDataTag()));
    }

    // Where the swatches stand for each count of colours: in one column,
    // larger the fewer they are, up to five; in two columns from six.
    void paletteLooks_data()
    {
        QTest::addColumn<int>("count");
        for (int count : {1, 2, 3, 4, 5, 6, 7, 10})
            QTest::addRow("palette of %d", count) << count;
    }

    void paletteLooks()
    {
        QFETCH(int, count);
        const QList<int> colors = QList<int>{12, 9, 2, 14, 10, 11, 4, 1, 13, 5}.mid(0, count);
        ZedoFixture program;
        QVERIFY(startWithExample(program, fixture::settings(colors, 10, -1, -1, -1, -1, Page)));
        COMPARE_LOOKS(fixture::pictureOf(*program.form().Panel3D1),
                      fixture::referenceName(QTest::currentDataTag()));
    }
};

QTEST_MAIN(TstZedoLooks)
#include "tst_zedo_looks.moc"
