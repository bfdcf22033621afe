// SPDX-License-Identifier: GPL-3.0-or-later
// The settings window as the adult sees it, a whole picture at a time: at
// start, after a typical set of choices made with the mouse, and worked with
// the keyboard.
#include "fixture/editorfixture.h"
#include "fixture/reference.h"

#include "zedoconf/form2.h"

#include <QApplication>
#include <QFile>
#include <QTest>

using fixture::EditorFixture;

namespace {

// The example pages, and two more whose names start with Swedish letters, to
// show the order of the list.
bool startWithExamples(EditorFixture &editor)
{
    const QStringList pages = {"ballonger", "bil", "blomma", "fisk", "hus"};
    for (const QString &page : pages) {
        if (!QFile::copy(QStringLiteral(KRUMELO_EXAMPLES "/%1.bmp").arg(page),
                         editor.path(page + QStringLiteral(".bmp"))))
            return false;
    }
    if (!QFile::copy(editor.path(QStringLiteral("fisk.bmp")),
                     editor.path(QStringLiteral("åsna.bmp"))) ||
        !QFile::copy(editor.path(QStringLiteral("hus.bmp")),
                     editor.path(QStringLiteral("Äpple.bmp"))))
        return false;
    return editor.start() && editor.activate();
}

void press(const QList<Qt::Key> &keys)
{
    for (Qt::Key key : keys)
        QTest::keyClick(QApplication::focusWidget(), key);
}

} // namespace

class TstZedoconfLooks : public QObject
{
    Q_OBJECT

private slots:
    void settingsWindowLooks_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QList<Qt::Key>>("keys");
        QTest::newRow("zedoconf at start") << QStringList() << QList<Qt::Key>();
        // The last click leaves the focus on "Rita", whose caption must show.
        QTest::newRow("zedoconf after choices")
            << QStringList{"up",     "up",    "cell 0", "cell 3", "dblcell 4",
                           "pick 2", "box 2", "box 3",  "pen 2",  "tool 1"}
            << QList<Qt::Key>();
        QTest::newRow("zedoconf with the count set by keys")
            << QStringList() << QList<Qt::Key>{Qt::Key_Tab, Qt::Key_Up, Qt::Key_Up, Qt::Key_Down};
        QTest::newRow("zedoconf with the focus on OK")
            << QStringList() << QList<Qt::Key>(8, Qt::Key_Tab);
    }

    void settingsWindowLooks()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QList<Qt::Key>, keys);
        EditorFixture editor;
        QVERIFY(startWithExamples(editor));
        editor.run(clicks);
        press(keys);
        QVERIFY(editor.messages.isEmpty() && editor.errors.isEmpty());
        COMPARE_LOOKS(fixture::pictureOf(editor.form()),
                      fixture::referenceName(QTest::currentDataTag()));
    }
};

QTEST_MAIN(TstZedoconfLooks)
#include "tst_zedoconf_looks.moc"
