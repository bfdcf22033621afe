// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told of the controls: role, name and value (not
// looked at where it is null), and a colour cell's new colour after a press.
// That every control taking the focus has a name, in all three programs, is
// seen end to end (e2e/screenreader.sh).
#include "fixture/editorfixture.h"
#include "fixture/zedofixture.h"
#include "forms/panel3d.h"
#include "forms/picturebox.h"
#include "forms/shape.h"
#include "forms/vscrollbar.h"

#include <QAccessible>
#include <QLineEdit>
#include <QTest>

class TstAccessible : public QObject
{
    Q_OBJECT

private slots:
    // Each window in its folder, which is the current one while it loads.
    void initTestCase()
    {
        m_zedo = std::make_unique<fixture::ZedoFixture>();
        QVERIFY(m_zedo->start(fixture::settings({12, 9, 2})));
        m_editor = std::make_unique<fixture::EditorFixture>();
        m_editor->addPicture(QStringLiteral("a.bmp"));
        QVERIFY(m_editor->start());
    }

    void controlsAreDescribed_data()
    {
        QTest::addColumn<QWidget *>("control");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        zedo::Form1 &z = m_zedo->form();
        zedoconf::Form2 &e = m_editor->form();
        using A = QAccessible;
        QTest::newRow("canvas") << (QWidget *)z.Picture1 << A::Canvas << "Målarbilden" << QString();
        QTest::newRow("swatch") << (QWidget *)z.Shape1[1] << A::Graphic << "blå" << QString();
        QTest::newRow("cell") << (QWidget *)e.Panel3D4[0] << A::Button << "Färg 1, röd"
                              << QString();
        QTest::newRow("count") << (QWidget *)e.VScroll1 << A::ScrollBar << "Antal färger"
                               << "3";
    }

    void controlsAreDescribed()
    {
        QFETCH(QWidget *, control);
        QFETCH(QAccessible::Role, role);
        QFETCH(QString, name);
        QFETCH(QString, value);
        QAccessibleInterface *described = QAccessible::queryAccessibleInterface(control);
        QCOMPARE(described->role(), role);
        QCOMPARE(described->text(QAccessible::Name), name);
        if (!value.isNull())
            QCOMPARE(described->text(QAccessible::Value), value);
    }

    // Pressed by a screen reader or by Space, a cell moves on to the next
    // colour, which its name then tells.
    void pressedCellTellsItsColour_data()
    {
        QTest::addColumn<bool>("space");
        QTest::addColumn<QString>("name");
        QTest::newRow("screen reader") << false << "Färg 2, ljusgrön";
        QTest::newRow("Space") << true << "Färg 2, turkos";
    }

    void pressedCellTellsItsColour()
    {
        QFETCH(bool, space);
        QFETCH(QString, name);
        forms::Panel3D *cell = m_editor->form().Panel3D4[1];
        QAccessibleInterface *described = QAccessible::queryAccessibleInterface(cell);
        if (space)
            QTest::keyClick(cell, Qt::Key_Space);
        else
            described->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(described->text(QAccessible::Name), name);
    }

private:
    // Made in this order, they end in the other, each folder left as found.
    std::unique_ptr<fixture::ZedoFixture> m_zedo;
    std::unique_ptr<fixture::EditorFixture> m_editor;
};

QTEST_MAIN(TstAccessible)
#include "tst_accessible.moc"
