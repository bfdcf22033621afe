// What a screen reader is told of the controls of the three windows: each
// one's role, name and value (not looked at where it is null), and a colour
// cell's new colour after a press.
#include "fixture/editorfixture.h"
#include "fixture/zedofixture.h"
#include "forms/commandbutton3d.h"
#include "forms/filelistbox.h"
#include "forms/imagebox.h"
#include "forms/label.h"
#include "forms/panel3d.h"
#include "forms/picturebox.h"
#include "forms/shape.h"
#include "forms/vscrollbar.h"
#include "zedoimport/form1.h"

#include <QAccessible>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

class TstAccessible : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Each window in its folder, which is the current one while it loads.
        m_zedo = std::make_unique<fixture::ZedoFixture>();
        QVERIFY(m_zedo->start(fixture::settings({12, 9, 2})));
        m_editor = std::make_unique<fixture::EditorFixture>();
        m_editor->addPicture(QStringLiteral("a.bmp"));
        QVERIFY(m_editor->start());
    }

    void cleanupTestCase()
    {
        m_editor.reset();
        m_zedo.reset();
    }

    void controlsAreDescribed_data()
    {
        QTest::addColumn<QWidget *>("control");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        zedo::Form1 &z = m_zedo->form();
        zedoconf::Form2 &e = m_editor->form();
        QTest::newRow("palette box")
            << (QWidget *)z.Picture2 << QAccessible::Canvas << "Färger" << QString();
        QTest::newRow("canvas") << (QWidget *)z.Picture1 << QAccessible::Canvas << "Målarbilden"
                                << QString();
        QTest::newRow("swatch") << (QWidget *)z.Shape1[1] << QAccessible::Graphic << "blå"
                                << QString();
        QTest::newRow("cell") << (QWidget *)e.Panel3D4[0] << QAccessible::Button << "Färg 1, röd"
                              << QString();
        QTest::newRow("count") << (QWidget *)e.VScroll1 << QAccessible::ScrollBar << "Antal färger"
                               << "3";
        QTest::newRow("file list")
            << (QWidget *)e.File1 << QAccessible::List << "Välj bild" << QString();
        QTest::newRow("name box") << (QWidget *)e.Text1 << QAccessible::EditableText << "Välj bild"
                                  << "a.bmp";
        QTest::newRow("group") << (QWidget *)e.Panel3D7 << QAccessible::Grouping
                               << "Bredd på pennan" << QString();
        QTest::newRow("page number") << (QWidget *)m_import.Spin1 << QAccessible::SpinBox << "Sida"
                                     << "1";
        QTest::newRow("page name")
            << (QWidget *)m_import.Text1 << QAccessible::EditableText << "Namn" << QString();
        QTest::newRow("page made") << (QWidget *)m_import.Image2 << QAccessible::Graphic
                                   << "Målarbilden, som barnet får den" << QString();
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

    // A cell pressed by Space or by a screen reader moves on to the next
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

    // A screen reader sets the count as the scroll bar would.
    void countSetByScreenReader()
    {
        zedoconf::Form2 &e = m_editor->form();
        QAccessibleValueInterface *count =
            QAccessible::queryAccessibleInterface(e.VScroll1)->valueInterface();
        QCOMPARE(count->maximumValue(), QVariant(10));
        count->setCurrentValue(5);
        QCOMPARE(e.Label3->Caption(), QStringLiteral("5"));
        QVERIFY(e.Panel3D4[4]->isVisibleTo(&e));
    }

private:
    std::unique_ptr<fixture::ZedoFixture> m_zedo;
    std::unique_ptr<fixture::EditorFixture> m_editor;
    zedoimport::Form1 m_import;
};

QTEST_MAIN(TstAccessible)
#include "tst_accessible.moc"
