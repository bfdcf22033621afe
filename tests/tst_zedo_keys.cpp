// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard in the colouring program: the design's tab order, a child's
// key storm that does nothing, and a button tabbed to that clicks on Space.
#include "fixture/zedofixture.h"

#include "core/colortable.h"
#include "forms/commandbutton3d.h"
#include "forms/picturebox.h"
#include "zedo/form1.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include <map>

using fixture::ZedoFixture;

namespace {

QString nameOf(zedo::Form1 &form, QWidget *control)
{
    const std::map<QWidget *, QString> names = {
        {form.Picture2, "Picture2"},     {form.Picture1, "Picture1"},
        {form.Command3D2, "Command3D2"}, {form.Command3D1, "Command3D1"},
        {form.Command3D3, "Command3D3"}, {form.Picture3, "Picture3"},
        {form.Picture4, "Picture4"}};
    const auto found = names.find(control);
    return found == names.end() ? QStringLiteral("(another)") : found->second;
}

} // namespace

class TstZedoKeys : public QObject
{
    Q_OBJECT

private slots:
    // At start the palette box has the focus, so no key reaches a button;
    // Tab goes the design's way through the controls that are shown.
    void tabFollowsTheDesign_data()
    {
        QTest::addColumn<QList<int>>("shown"); // ShowQuit, ShowPrint, ShowToolToggle
        QTest::addColumn<QStringList>("stops");
        QTest::newRow("all buttons")
            << QList<int>{-1, -1, -1} << QStringList{"Picture2",   "Picture1",   "Command3D2",
                                                     "Command3D1", "Command3D3", "Picture2"};
        QTest::newRow("no quit button")
            << QList<int>{0, -1, -1}
            << QStringList{"Picture2", "Picture1", "Command3D1", "Command3D3", "Picture2"};
        QTest::newRow("no button")
            << QList<int>{0, 0, 0} << QStringList{"Picture2", "Picture1", "Picture2"};
    }

    void tabFollowsTheDesign()
    {
        QFETCH(QList<int>, shown);
        QFETCH(QStringList, stops);
        ZedoFixture program;
        QVERIFY(program.start(fixture::settings({12, 9}, 10, -1, shown[0], shown[1], shown[2])) &&
                program.activate());
        QStringList visited{nameOf(program.form(), QApplication::focusWidget())};
        for (int i = 1; i < stops.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << nameOf(program.form(), QApplication::focusWidget());
        }
        QCOMPARE(visited, stops);
    }

    // A child's hands on the keyboard, wherever the mouse left the focus:
    // nothing ends, prints, switches the tool, picks a colour or paints.
    void keysDoNothing_data()
    {
        QTest::addColumn<QString>("before");
        QTest::newRow("at start") << "";
        QTest::newRow("after a click on the canvas") << "canvas";
        QTest::newRow("after the tool button and the canvas") << "tool canvas";
        QTest::newRow("after a click on the palette") << "palette";
    }

    void keysDoNothing()
    {
        QFETCH(QString, before);
        ZedoFixture program;
        QVERIFY(program.start(fixture::settings({12, 9}, 10, -1)) && program.activate());
        zedo::Form1 &form = program.form();
        if (before.contains(u"tool"))
            QTest::mouseClick(form.Command3D3, Qt::LeftButton);
        if (before.contains(u"canvas"))
            QTest::mouseClick(form.Picture1, Qt::LeftButton, {}, QPoint(340, 410));
        if (before.contains(u"palette"))
            QTest::mouseClick(form.Picture2, Qt::LeftButton, {}, QPoint(80, 300));
        const QString caption = form.Command3D3->Caption();
        const QImage canvas = form.Picture1->surface();
        const core::ColorValue colour = form.Picture1->ForeColor();
        QString typed;
        for (char c = ' '; c <= '~'; ++c)
            typed += QLatin1Char(c);
        QTest::keyClicks(QApplication::focusWidget(), typed);
        for (const auto &[key, letter] : {std::pair{Qt::Key_Aring, u"å"},
                                          {Qt::Key_Adiaeresis, u"ä"},
                                          {Qt::Key_Odiaeresis, u"ö"}}) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString::fromUtf16(letter));
            QApplication::sendEvent(QApplication::focusWidget(), &press);
        }
        for (Qt::Key key :
             {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Delete,
              Qt::Key_Insert, Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_Home,
              Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Menu, Qt::Key_F1, Qt::Key_F4,
              Qt::Key_F10, Qt::Key_Print})
            QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(program.ends, 0);
        QVERIFY2(program.messages.isEmpty(), "a key printed");
        QCOMPARE(form.Command3D3->Caption(), caption);
        QCOMPARE(form.Picture1->surface(), canvas);
        QCOMPARE(form.Picture1->ForeColor(), colour);
        QVERIFY(form.isVisible());
    }

    // Tabbed to, a button is a button: Space clicks it.
    void spaceClicksATabbedToButton()
    {
        ZedoFixture program;
        QVERIFY(program.start(fixture::settings({12, 9}, 10, -1)) && program.activate());
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), program.form().Command3D3);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(program.form().Command3D3->Caption(), QStringLiteral("Rita"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(program.form().Command3D3->Caption(), QStringLiteral("Rita"));
    }
};

QTEST_MAIN(TstZedoKeys)
#include "tst_zedo_keys.moc"
