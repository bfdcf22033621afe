// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixture/editorfixture.h"

#include "forms/design.h"

#include "forms/checkbox3d.h"
#include "forms/optionbutton3d.h"
#include "forms/panel3d.h"
#include "forms/vscrollbar.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTest>

using fixture::EditorFixture;

// How the editor ends, or does not: cancelling, closing, a failed save, a
// folder it cannot start in.
class TstZedoconfSaving : public QObject
{
    Q_OBJECT

private slots:
    void leavingWithoutSavingTouchesNoFile_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::addColumn<std::optional<QByteArray>>("old");
        const QByteArray saved("\"b.bmp\"\r\n1\r\n4\r\n5\r\n0\r\n0\r\n0\r\n0\r\n");
        QTest::newRow("Avbryt, file there") << false << std::optional(saved);
        QTest::newRow("Avbryt, no file") << false << std::optional<QByteArray>();
        QTest::newRow("close box, file there") << true << std::optional(saved);
        QTest::newRow("close box, no file") << true << std::optional<QByteArray>();
    }

    void leavingWithoutSavingTouchesNoFile()
    {
        QFETCH(bool, closeBox);
        QFETCH(std::optional<QByteArray>, old);
        EditorFixture editor;
        editor.addPicture(QStringLiteral("a.bmp"));
        editor.addPicture(QStringLiteral("b.bmp"));
        if (old)
            editor.write(QStringLiteral("zedo.ini"), *old);
        QVERIFY(editor.start());
        editor.run({"up", "cell 0", "pen 2", "box 2", "pick 1"});
        if (closeBox) {
            QVERIFY(editor.form().close());
            QVERIFY(!editor.form().backdrop()); // unloaded with the window
            QCOMPARE(editor.ends, 0);
        } else {
            editor.run({"cancel"});
            QCOMPARE(editor.ends, 1);
        }
        QCOMPARE(editor.read(QStringLiteral("zedo.ini")), old);
        QCOMPARE(int(QDir(editor.path(QString())).entryList(QDir::Files | QDir::Hidden).size()),
                 2 + int(bool(old)));
    }

    // The adult is told what failed and can mend it: the old file (or what
    // stands in its place) is untouched and every choice is still there.
    void aFailedSaveKeepsTheOldFileAndTheEditorOpen_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<bool>("iniIsAFolder");
        QTest::newRow("zedo.ini is a folder") << "b.bmp" << true;
        QTest::newRow("picture name holds a double quote") << "b\"c.bmp" << false;
    }

    void aFailedSaveKeepsTheOldFileAndTheEditorOpen()
    {
        QFETCH(QString, picture);
        QFETCH(bool, iniIsAFolder);
        EditorFixture editor;
        editor.addPicture(QStringLiteral("a.bmp"));
        editor.addPicture(picture);
        const QString ini = editor.path(QStringLiteral("zedo.ini"));
        const QByteArray old("\"a.bmp\"\r\n1\r\n4\r\n5\r\n0\r\n0\r\n0\r\n0\r\n");
        if (iniIsAFolder) {
            QVERIFY(QDir().mkdir(ini));
            editor.write(QStringLiteral("zedo.ini/keep.txt"), "kept");
        } else {
            editor.write(QStringLiteral("zedo.ini"), old);
        }
        QVERIFY(editor.start());
        editor.run({"up", "up", "dblcell 4", "pen 0", "tool 1", "box 1", "box 3", "pick 1", "ok"});

        QCOMPARE(editor.ends, 0);
        QVERIFY(editor.form().isVisible());
        QCOMPARE(editor.messages.size(), 1);
        QVERIFY2(editor.messages[0].contains(QStringLiteral("Avbryt")),
                 qPrintable(editor.messages[0]));
        QVERIFY2(
            editor.messages[0].contains(iniIsAFolder ? QDir::toNativeSeparators(ini) : picture),
            qPrintable(editor.messages[0]));
        if (iniIsAFolder)
            QCOMPARE(editor.read(QStringLiteral("zedo.ini/keep.txt")), QByteArray("kept"));
        else
            QCOMPARE(editor.read(QStringLiteral("zedo.ini")), old);
        QCOMPARE(int(QDir(editor.path(QString())).entryList(QDir::Files | QDir::Hidden).size()),
                 iniIsAFolder ? 2 : 3); // no half-written file left beside it

        // The cause mended, a second "OK" saves exactly what was chosen.
        if (iniIsAFolder)
            QVERIFY(QDir(ini).removeRecursively());
        else
            editor.run({"pick 0"});
        editor.run({"ok"});
        QCOMPARE(editor.ends, 1);
        QCOMPARE(editor.read(QStringLiteral("zedo.ini")).value_or("(no file)"),
                 QByteArray((iniIsAFolder ? "\"b.bmp\"" : "\"a.bmp\"") +
                            QByteArray("\r\n5\r\n12\r\n9\r\n2\r\n14\r\n12\r\n5\r\n0\r\n0\r\n0\r\n"
                                       "-1\r\n")));
    }

    void noPictureToStartWith_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QByteArray>("firstBytes");
        QTest::addColumn<QString>("named");
        QTest::newRow("empty folder") << QStringList() << QByteArray() << QString();
        QTest::newRow("no bitmap among other files")
            << QStringList{"notes.txt", "bild.png"} << QByteArray("x") << QString();
        QTest::newRow("first bitmap damaged")
            << QStringList{"a.bmp", "b.bmp"} << QByteArray("BM damaged") << "a.bmp";
        QTest::newRow("first bitmap empty")
            << QStringList{"a.bmp", "b.bmp"} << QByteArray() << "a.bmp";
    }

    // The load fails, naming the folder or the file, before the window shows.
    void noPictureToStartWith()
    {
        QFETCH(QStringList, names);
        QFETCH(QByteArray, firstBytes);
        QFETCH(QString, named);
        EditorFixture editor;
        for (const QString &name : names)
            editor.addPicture(name);
        if (!names.isEmpty())
            editor.write(names[0], firstBytes);
        const std::optional<QString> failure = editor.load();
        QVERIFY(failure);
        const QString path = QDir::toNativeSeparators(editor.path(named));
        QVERIFY2(failure->contains(named.isEmpty() ? QDir::toNativeSeparators(QDir::currentPath())
                                                   : path),
                 qPrintable(*failure));
        QVERIFY(!editor.form().isVisible());
        QVERIFY(!editor.read(QStringLiteral("zedo.ini")));
    }
};

QTEST_MAIN(TstZedoconfSaving)
#include "tst_zedoconf_saving.moc"
