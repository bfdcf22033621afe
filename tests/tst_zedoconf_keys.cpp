// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard and the other mouse buttons in the settings window: the
// design's tab order, the count by its keys, and every choice made by keys.
#include "fixture/editorfixture.h"

#include "forms/checkbox3d.h"
#include "forms/commandbutton3d.h"
#include "forms/filelistbox.h"
#include "forms/label.h"
#include "forms/line.h"
#include "forms/optionbutton3d.h"
#include "forms/panel3d.h"
#include "forms/vscrollbar.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

using fixture::EditorFixture;

namespace {

int visibleCells(zedoconf::Form2 &form)
{
    int visible = 0;
    for (forms::Panel3D *cell : form.Panel3D4)
        visible += cell->isVisibleTo(&form);
    return visible;
}

} // namespace

class TstZedoconfKeys : public QObject
{
    Q_OBJECT

private slots:
    // Tab goes the design's way through every control that takes the focus.
    void tabFollowsTheDesign()
    {
        EditorFixture editor;
        editor.addPicture(QStringLiteral("a.bmp"));
        QVERIFY(editor.start() && editor.activate());
        zedoconf::Form2 &f = editor.form();
        // Of the option buttons of a group only the set one is a stop, and
        // only the colour cells shown are.
        const QList<QWidget *> stops = {f.File1,       f.VScroll1,   f.Panel3D4[0],  f.Panel3D4[1],
                                        f.Panel3D4[2], f.Check3D1,   f.Check3D2,     f.Check3D3,
                                        f.Command3D1,  f.Command3D2, f.Option3D1[0], f.Option3D2[1],
                                        f.File1};
        QList<QWidget *> visited{QApplication::focusWidget()};
        for (qsizetype i = 1; i < stops.size(); ++i) {
            editor.run({"tab"});
            visited << QApplication::focusWidget();
        }
        QCOMPARE(visited, stops);
    }

    // The keyboard reaches every choice: the arrow keys move within a group
    // of options and set the one they reach, Space ticks a box, and Tab
    // comes back to the option last set.
    void choicesByKeys_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("tool");  // the set option of "Måla eller rita"
        QTest::addColumn<int>("width"); // the pen width
        QTest::addColumn<bool>("quit"); // "Sluta" ticked
        const QStringList toTool(10, "tab");
        const QStringList toPen(11, "tab");
        QTest::newRow("Down on Måla sets Rita")
            << toTool + QStringList{"press Down"} << 1 << 10 << true;
        QTest::newRow("Down on Mellan sets Bred")
            << toPen + QStringList{"press Down"} << 0 << 15 << true;
        QTest::newRow("Up on Mellan sets Smal")
            << toPen + QStringList{"press Up"} << 0 << 5 << true;
        QTest::newRow("Space unticks Sluta")
            << QStringList(5, "tab") + QStringList{"press Space"} << 0 << 10 << false;
        QTest::newRow("Tab comes back to Bred, Up sets Mellan")
            << QStringList{"pen 2", "box 1", "tab", "tab", "tab", "tab", "tab", "tab", "press Up"}
            << 0 << 10 << false;
    }

    void choicesByKeys()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, tool);
        QFETCH(int, width);
        QFETCH(bool, quit);
        EditorFixture editor;
        editor.addPicture(QStringLiteral("a.bmp"));
        QVERIFY(editor.start() && editor.activate());
        zedoconf::Form2 &f = editor.form();
        editor.run(steps);
        QVERIFY(f.Option3D1[tool]->Value());
        QCOMPARE(f.Line1->BorderWidth(), width);
        QCOMPARE(f.Check3D1->Value(), quit);
        QCOMPARE(editor.ends, 0);
    }

    // The keys of the count move it as its arrows do, the upper one up; every
    // change is one VScroll1_Change, and the cells and digits follow it.
    void countByKeysAndButtons_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("digits");
        QTest::addColumn<int>("changes");
        QTest::newRow("Up") << QStringList{"tab", "press Up"} << "4" << 1;
        QTest::newRow("Down") << QStringList{"tab", "press Down"} << "2" << 1;
        QTest::newRow("Page Up, Page Down twice")
            << QStringList{"tab", "press PageUp", "press PageDown", "press PageDown"} << "2" << 3;
        QTest::newRow("Home") << QStringList{"tab", "press Home"} << "10" << 1;
        QTest::newRow("End") << QStringList{"tab", "press End"} << "1" << 1;
        QTest::newRow("Up at 10 changes nothing")
            << QStringList{"tab", "press Home", "press Up"} << "10" << 1;
        QTest::newRow("Down at 1 changes nothing")
            << (QStringList{"tab"} + QStringList(3, "press Down")) << "1" << 2;
        QTest::newRow("Left and Right are no count keys")
            << QStringList{"tab", "press Left", "press Right"} << "3" << 0;
        QTest::newRow("a click gives the keys") << QStringList{"up", "press Up"} << "5" << 2;
        QTest::newRow("middle button on the upper arrow") << QStringList{"middle up"} << "4" << 1;
        QTest::newRow("right button on the lower arrow") << QStringList{"right down"} << "2" << 1;
        QTest::newRow("middle button in the track") << QStringList{"middle track"} << "4" << 1;
    }

    void countByKeysAndButtons()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, digits);
        QFETCH(int, changes);
        EditorFixture editor;
        editor.addPicture(QStringLiteral("a.bmp"));
        QVERIFY(editor.start() && editor.activate());
        zedoconf::Form2 &f = editor.form();
        QSignalSpy changed(f.VScroll1, &forms::VScrollBar::Change);
        editor.run(steps);
        QCOMPARE(f.Label3->Caption(), digits);
        QCOMPARE(visibleCells(f), digits.toInt());
        QCOMPARE(changed.size(), changes);
        QVERIFY2(!QApplication::activePopupWidget(), "a menu opened");
    }
};

QTEST_MAIN(TstZedoconfKeys)
#include "tst_zedoconf_keys.moc"
