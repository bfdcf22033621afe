// SPDX-License-Identifier: GPL-3.0-or-later
// Every kind of folder the settings editor cannot start in: no bitmap, or a
// first bitmap it cannot show. The load fails with a message that names the
// folder or the file and says what is wrong, the window is never shown and
// nothing is written.
#include "badfiles.h"
#include "fixture/editorfixture.h"

#include "forms/filelistbox.h"
#include "forms/imagebox.h"

#include <QDir>
#include <QLineEdit>
#include <QTest>

#include <sys/stat.h>

using fixture::EditorFixture;

namespace {

enum class Entry { Picture, Folder, Pipe, Text, DamagedHeader, Huge, CutShort };

// The bytes of a bitmap such as the editor offers.
QByteArray bitmapBytes(const EditorFixture &editor)
{
    const QString name = QStringLiteral("mall.bmp");
    editor.addPicture(name);
    const QByteArray bytes = editor.read(name).value_or(QByteArray());
    QFile::remove(editor.path(name));
    return bytes;
}

void add(const EditorFixture &editor, const QString &name, Entry kind)
{
    switch (kind) {
    case Entry::Picture:
        return editor.addPicture(name);
    case Entry::Folder:
        QVERIFY(QDir(editor.path(QString())).mkdir(name));
        return;
    case Entry::Pipe:
        QCOMPARE(mkfifo(QFile::encodeName(editor.path(name)), 0600), 0);
        return;
    case Entry::Text:
        return editor.write(name, "Det här är ingen bild.\r\n");
    case Entry::DamagedHeader:
        return editor.write(name, badfiles::damagedBitmap());
    case Entry::Huge:
        return editor.write(name, badfiles::hugeBitmap());
    case Entry::CutShort:
        return editor.write(name, bitmapBytes(editor).chopped(20));
    }
}

// Changes the listed picture `name` as `how` says; "picture" puts a blue one
// in its place.
void changeFile(const EditorFixture &editor, const QString &name, const QString &how)
{
    const QString fileName = editor.path(name);
    const QByteArray bytes = editor.read(name).value_or(QByteArray());
    if (how != u"truncate" && how != u"empty")
        QVERIFY(QFile::remove(fileName));
    if (how == u"truncate")
        editor.write(name, bytes.chopped(10));
    else if (how == u"empty")
        editor.write(name, QByteArray());
    else if (how == u"text")
        add(editor, name, Entry::Text);
    else if (how == u"folder")
        add(editor, name, Entry::Folder);
    else if (how == u"picture")
        editor.addPicture(name, qRgb(0, 0, 255));
}

} // namespace

Q_DECLARE_METATYPE(Entry)

class TstZedoconfBadFolders : public QObject
{
    Q_OBJECT

private slots:
    void badFolder_data()
    {
        QTest::addColumn<QList<Entry>>("kinds");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("named"); // empty: the folder itself
        QTest::addColumn<QString>("says");
        QTest::newRow("empty folder") << QList<Entry>{} << QStringList{} << ""
                                      << "ingen fil som passar mönstret *.bmp";
        QTest::newRow("only other files") << QList<Entry>{Entry::Text, Entry::Picture}
                                          << QStringList{"notes.txt", "bild.png"} << ""
                                          << "ingen fil som passar";
        QTest::newRow("a *.bmp that is a folder")
            << QList<Entry>{Entry::Folder} << QStringList{"a.bmp"} << ""
            << "ingen fil som passar";
        QTest::newRow("a *.bmp that is a pipe")
            << QList<Entry>{Entry::Pipe} << QStringList{"a.bmp"} << ""
            << "ingen fil som passar";
        QTest::newRow("first bitmap is text")
            << QList<Entry>{Entry::Text, Entry::Picture} << QStringList{"a.bmp", "b.bmp"} << "a.bmp"
            << "inte en bild";
        QTest::newRow("first bitmap with a damaged header")
            << QList<Entry>{Entry::DamagedHeader, Entry::Picture} << QStringList{"a.bmp", "b.bmp"}
            << "a.bmp"
            << "huvud är trasigt";
        QTest::newRow("first bitmap of 100000 x 100000")
            << QList<Entry>{Entry::Huge, Entry::Picture} << QStringList{"a.bmp", "b.bmp"} << "a.bmp"
            << "för stor";
        QTest::newRow("first bitmap cut short") << QList<Entry>{Entry::CutShort, Entry::Picture}
                                                << QStringList{"A.BMP", "b.bmp"} << "A.BMP"
                                                << "avkortad";
    }

    void badFolder()
    {
        QFETCH(QList<Entry>, kinds);
        QFETCH(QStringList, names);
        QFETCH(QString, named);
        QFETCH(QString, says);
        EditorFixture editor;
        for (int i = 0; i < names.size(); ++i)
            add(editor, names[i], kinds[i]);
        const QDir folder(editor.path(QString()));
        const QStringList before = folder.entryList(QDir::AllEntries | QDir::System | QDir::Hidden);

        const std::optional<QString> failure = editor.load();
        QVERIFY2(failure, "the window loaded");
        const QString file =
            QDir::toNativeSeparators(named.isEmpty() ? QDir::currentPath() : editor.path(named));
        QVERIFY2(failure->contains(file), qPrintable(*failure));
        QVERIFY2(failure->contains(says), qPrintable(*failure));
        QVERIFY(!editor.form().isVisible());
        QVERIFY(editor.errors.isEmpty() && editor.messages.isEmpty() && editor.ends == 0);
        QCOMPARE(folder.entryList(QDir::AllEntries | QDir::System | QDir::Hidden), before);
    }

    // What only looks like a bitmap is never offered: the first real one is
    // chosen and shown.
    void onlyPlainFilesAreOffered()
    {
        EditorFixture editor;
        add(editor, QStringLiteral("a.bmp"), Entry::Folder);
        add(editor, QStringLiteral("b.bmp"), Entry::Pipe);
        add(editor, QStringLiteral("c.bmp"), Entry::Picture);
        QVERIFY(editor.start());
        QCOMPARE(editor.form().File1->count(), 1);
        QCOMPARE(editor.form().Text1->text(), QStringLiteral("c.bmp"));
    }

    // The picture changes on disk between the listing and the click that
    // previews it. A picture that can no longer be read is reported by name
    // and not chosen; the editor stays with every choice, and "OK" saves
    // them with the picture shown before.
    void pictureChangedAfterTheListing_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("shown"); // whether b.bmp is then chosen
        QTest::newRow("removed") << "remove" << false;
        QTest::newRow("cut short") << "truncate" << false;
        QTest::newRow("emptied") << "empty" << false;
        QTest::newRow("replaced by text") << "text" << false;
        QTest::newRow("replaced by a folder") << "folder" << false;
        QTest::newRow("replaced by another picture") << "picture" << true;
    }

    void pictureChangedAfterTheListing()
    {
        QFETCH(QString, change);
        QFETCH(bool, shown);
        EditorFixture editor;
        editor.addPicture(QStringLiteral("a.bmp"), qRgb(255, 0, 0));
        editor.addPicture(QStringLiteral("b.bmp"), qRgb(0, 255, 0));
        QVERIFY(editor.start());
        editor.run({"up", "cell 0", "pen 2", "box 2"});
        changeFile(editor, QStringLiteral("b.bmp"), change);

        editor.run({"pick 1"});
        zedoconf::Form2 &form = editor.form();
        QVERIFY(editor.errors.isEmpty());
        QCOMPARE(editor.ends, 0);
        QCOMPARE(editor.messages.size(), shown ? 0 : 1);
        if (!shown) {
            const QString file = QDir::toNativeSeparators(editor.path(QStringLiteral("b.bmp")));
            QVERIFY2(editor.messages[0].contains(file), qPrintable(editor.messages[0]));
        }
        const QString chosen = shown ? QStringLiteral("b.bmp") : QStringLiteral("a.bmp");
        QCOMPARE(form.Text1->text(), chosen);
        QCOMPARE(form.File1->FileName(), chosen);
        const QImage preview = form.Image1->grab().toImage();
        QCOMPARE(preview.pixel(preview.width() / 2, preview.height() / 2),
                 shown ? qRgb(0, 0, 255) : qRgb(255, 0, 0));

        // A double click on the entry that failed chooses and saves nothing.
        editor.run({"dblpick 1"});
        QCOMPARE(editor.ends, shown ? 1 : 0);
        editor.run({"ok"});
        QCOMPARE(editor.read(QStringLiteral("zedo.ini")),
                 '"' + chosen.toLatin1() +
                     "\"\r\n4\r\n13\r\n9\r\n2\r\n14\r\n15\r\n-1\r\n-1\r\n-1\r\n0\r\n");
    }
};

QTEST_MAIN(TstZedoconfBadFolders)
#include "tst_zedoconf_badfolders.moc"
