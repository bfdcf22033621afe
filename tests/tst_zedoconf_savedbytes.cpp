// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixture/editorfixture.h"

#include "forms/design.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

using fixture::EditorFixture;

// What "OK" writes, byte for byte, after the adult has worked the window.
class TstZedoconfSavedBytes : public QObject
{
    Q_OBJECT

private slots:
    void savedBytes_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QByteArray>("bytes");
        const QStringList abc = {"a.bmp", "b.bmp", "c.bmp"};
        const QStringList up7 = QStringList(7, "up");

        QTest::newRow("nothing changed")
            << abc << QStringList{"ok"}
            << QByteArray("\"a.bmp\"\r\n3\r\n12\r\n9\r\n2\r\n10\r\n-1\r\n-1\r\n0\r\n0\r\n");
        QTest::newRow("count 1") << abc << QStringList{"down", "down", "ok"}
                                 << QByteArray(
                                        "\"a.bmp\"\r\n1\r\n12\r\n10\r\n-1\r\n-1\r\n0\r\n0\r\n");
        QTest::newRow("count 10")
            << abc << up7 + QStringList{"ok"}
            << QByteArray("\"a.bmp\"\r\n10\r\n12\r\n9\r\n2\r\n14\r\n10\r\n11\r\n4\r\n8\r\n15\r\n"
                          "0\r\n10\r\n-1\r\n-1\r\n0\r\n0\r\n");
        QTest::newRow("cell 1 clicked five times")
            << abc << QStringList(5, "cell 0") + QStringList{"ok"}
            << QByteArray("\"a.bmp\"\r\n3\r\n1\r\n9\r\n2\r\n10\r\n-1\r\n-1\r\n0\r\n0\r\n");
        QTest::newRow("15 wraps to 0")
            << abc << QStringList(6, "up") + QStringList{"cell 8", "ok"}
            << QByteArray("\"a.bmp\"\r\n9\r\n12\r\n9\r\n2\r\n14\r\n10\r\n11\r\n4\r\n8\r\n0\r\n"
                          "10\r\n-1\r\n-1\r\n0\r\n0\r\n");
        QTest::newRow("double clicks step twice")
            << abc << QStringList{"dblcell 1", "dblcell 2", "ok"}
            << QByteArray("\"a.bmp\"\r\n3\r\n12\r\n11\r\n4\r\n10\r\n-1\r\n-1\r\n0\r\n0\r\n");
        QTest::newRow("double click on 14 gives 0")
            << abc << QStringList{"up", "dblcell 3", "ok"}
            << QByteArray("\"a.bmp\"\r\n4\r\n12\r\n9\r\n2\r\n0\r\n10\r\n-1\r\n-1\r\n0\r\n0\r\n");
        QTest::newRow("lowered count leaves hidden cells out")
            << abc << QStringList{"up", "up", "cell 3", "cell 4", "down", "down", "down", "ok"}
            << QByteArray("\"a.bmp\"\r\n2\r\n12\r\n9\r\n10\r\n-1\r\n-1\r\n0\r\n0\r\n");
        QTest::newRow("raised again, hidden cells kept their colours")
            << abc << QStringList{"up",   "up", "cell 3", "cell 4", "down", "down",
                                  "down", "up", "up",     "up",     "ok"}
            << QByteArray("\"a.bmp\"\r\n5\r\n12\r\n9\r\n2\r\n15\r\n11\r\n10\r\n-1\r\n-1\r\n0\r\n"
                          "0\r\n");
        QTest::newRow("Smal")
            << abc << QStringList{"pen 0", "ok"}
            << QByteArray("\"a.bmp\"\r\n3\r\n12\r\n9\r\n2\r\n5\r\n-1\r\n-1\r\n0\r\n0\r\n");
        QTest::newRow("Bred")
            << abc << QStringList{"pen 2", "ok"}
            << QByteArray("\"a.bmp\"\r\n3\r\n12\r\n9\r\n2\r\n15\r\n-1\r\n-1\r\n0\r\n0\r\n");
        QTest::newRow("Smal, Bred, Mellan")
            << abc << QStringList{"pen 0", "pen 2", "pen 1", "ok"}
            << QByteArray("\"a.bmp\"\r\n3\r\n12\r\n9\r\n2\r\n10\r\n-1\r\n-1\r\n0\r\n0\r\n");
        QTest::newRow("Bred, Smal")
            << abc << QStringList{"pen 2", "pen 0", "ok"}
            << QByteArray("\"a.bmp\"\r\n3\r\n12\r\n9\r\n2\r\n5\r\n-1\r\n-1\r\n0\r\n0\r\n");
        QTest::newRow("Rita")
            << abc << QStringList{"tool 1", "ok"}
            << QByteArray("\"a.bmp\"\r\n3\r\n12\r\n9\r\n2\r\n10\r\n0\r\n-1\r\n0\r\n0\r\n");
        QTest::newRow("Rita, then Måla again")
            << abc << QStringList{"tool 1", "tool 0", "ok"}
            << QByteArray("\"a.bmp\"\r\n3\r\n12\r\n9\r\n2\r\n10\r\n-1\r\n-1\r\n0\r\n0\r\n");
        QTest::newRow("Sluta unticked")
            << abc << QStringList{"box 1", "ok"}
            << QByteArray("\"a.bmp\"\r\n3\r\n12\r\n9\r\n2\r\n10\r\n-1\r\n0\r\n0\r\n0\r\n");
        QTest::newRow("Skriv ut ticked")
            << abc << QStringList{"box 2", "ok"}
            << QByteArray("\"a.bmp\"\r\n3\r\n12\r\n9\r\n2\r\n10\r\n-1\r\n-1\r\n-1\r\n0\r\n");
        QTest::newRow("only Skriv ut")
            << abc << QStringList{"box 1", "box 2", "ok"}
            << QByteArray("\"a.bmp\"\r\n3\r\n12\r\n9\r\n2\r\n10\r\n-1\r\n0\r\n-1\r\n0\r\n");
        QTest::newRow("Måla/Rita ticked")
            << abc << QStringList{"box 3", "ok"}
            << QByteArray("\"a.bmp\"\r\n3\r\n12\r\n9\r\n2\r\n10\r\n-1\r\n-1\r\n0\r\n-1\r\n");
        QTest::newRow("file by click")
            << abc << QStringList{"pick 1", "ok"}
            << QByteArray("\"b.bmp\"\r\n3\r\n12\r\n9\r\n2\r\n10\r\n-1\r\n-1\r\n0\r\n0\r\n");
        QTest::newRow("file by keyboard")
            << abc << QStringList{"key", "key", "ok"}
            << QByteArray("\"c.bmp\"\r\n3\r\n12\r\n9\r\n2\r\n10\r\n-1\r\n-1\r\n0\r\n0\r\n");
        QTest::newRow("file by double click, no OK")
            << abc << QStringList{"dblpick 2"}
            << QByteArray("\"c.bmp\"\r\n3\r\n12\r\n9\r\n2\r\n10\r\n-1\r\n-1\r\n0\r\n0\r\n");
        QTest::newRow("double click on the selected file")
            << abc << QStringList{"pick 1", "dblpick 1"}
            << QByteArray("\"b.bmp\"\r\n3\r\n12\r\n9\r\n2\r\n10\r\n-1\r\n-1\r\n0\r\n0\r\n");
        QTest::newRow("a whole evening's choices")
            << abc << QStringList{"up",     "up",    "cell 0", "cell 4", "pen 2",
                                  "tool 1", "box 2", "box 3",  "pick 1", "ok"}
            << QByteArray("\"b.bmp\"\r\n5\r\n13\r\n9\r\n2\r\n14\r\n11\r\n15\r\n0\r\n-1\r\n-1\r\n"
                          "-1\r\n");
        QTest::newRow("name with å, ä, ö")
            << QStringList{"b.bmp", "äpple på ö.bmp"} << QStringList{"pick 1", "ok"}
            << QByteArray("\"\xe4pple p\xe5 \xf6.bmp\"\r\n3\r\n12\r\n9\r\n2\r\n10\r\n-1\r\n-1\r\n"
                          "0\r\n0\r\n");
        // The list is in Swedish order, so its first entry is the one after z.
        QTest::newRow("first in Swedish order")
            << QStringList{"äpple.bmp", "Åsna.bmp", "öga.bmp"} << QStringList{"ok"}
            << QByteArray("\"\xc5sna.bmp\"\r\n3\r\n12\r\n9\r\n2\r\n10\r\n-1\r\n-1\r\n0\r\n0\r\n");
        QTest::newRow("the second in Swedish order by keyboard")
            << QStringList{"äpple.bmp", "zebra.bmp", "åsna.bmp"} << QStringList{"key", "ok"}
            << QByteArray("\"\xe5sna.bmp\"\r\n3\r\n12\r\n9\r\n2\r\n10\r\n-1\r\n-1\r\n0\r\n0\r\n");
        QTest::newRow("first name with Ö")
            << QStringList{"Öga.bmp"} << QStringList{"ok"}
            << QByteArray("\"\xd6ga.bmp\"\r\n3\r\n12\r\n9\r\n2\r\n10\r\n-1\r\n-1\r\n0\r\n0\r\n");
    }

    void savedBytes()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, steps);
        QFETCH(QByteArray, bytes);
        EditorFixture editor;
        for (const QString &name : files)
            editor.addPicture(name);
        QVERIFY(editor.start());
        editor.run(steps);
        QCOMPARE(editor.read(QStringLiteral("zedo.ini")).value_or("(no file)"), bytes);
        QCOMPARE(editor.ends, 1);
        QVERIFY(editor.messages.isEmpty());
        QVERIFY(editor.errors.isEmpty());
    }

    // Whatever an earlier run saved, each run starts from the defaults.
    void anExistingFileHasNoInfluence_data()
    {
        QTest::addColumn<QByteArray>("old");
        QTest::newRow("other choices") << QByteArray(
            "\"b.bmp\"\r\n5\r\n1\r\n2\r\n3\r\n4\r\n5\r\n15\r\n0\r\n0\r\n-1\r\n-1\r\n");
        QTest::newRow("damaged") << QByteArray("\"b.bmp\r\n99999\r\n");
        QTest::newRow("empty") << QByteArray();
    }

    void anExistingFileHasNoInfluence()
    {
        QFETCH(QByteArray, old);
        EditorFixture editor;
        editor.addPicture(QStringLiteral("a.bmp"));
        editor.addPicture(QStringLiteral("b.bmp"));
        editor.write(QStringLiteral("zedo.ini"), old);
        QVERIFY(editor.start());
        QCOMPARE(editor.form().Text1->text(), QStringLiteral("a.bmp"));
        editor.run({"ok"});
        QCOMPARE(editor.read(QStringLiteral("zedo.ini")).value_or("(no file)"),
                 QByteArray("\"a.bmp\"\r\n3\r\n12\r\n9\r\n2\r\n10\r\n-1\r\n-1\r\n0\r\n0\r\n"));
    }
};

QTEST_MAIN(TstZedoconfSavedBytes)
#include "tst_zedoconf_savedbytes.moc"
