// SPDX-License-Identifier: GPL-3.0-or-later
// The importer run from the command line, as a process: what it prints, its
// exit status, and what it leaves in the current folder.
#include "core/page.h"
#include "zedoimport/pagemaker.h"
#include "zedoimport/pagereader.h"
#include "core/pictureloader.h"

#include "badfiles.h"
#include "pagecheck.h"
#include "testpages.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

class Folder
{
public:
    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString dir() const { return m_dir.path(); }

    Run run(const QStringList &arguments) const
    {
        QProcess process;
        process.setWorkingDirectory(m_dir.path());
        // No display: the command needs none.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        // As in any session; Qt would only warn of its absence.
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(KRUMELO_ZEDOIMPORT), arguments);
        if (!process.waitForFinished(60'000))
            return {};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_runtime;
};

} // namespace

class TstImportCommand : public QObject
{
    Q_OBJECT
private slots:
    void savesThePage_data();
    void savesThePage();
    void failsAndWritesNothing_data();
    void failsAndWritesNothing();
    void answersHelpAndVersion_data();
    void answersHelpAndVersion();
};

void TstImportCommand::savesThePage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("saved");
    QTest::newRow("name from the file") << QStringList{"Min katt!.jpg"} << "Min katt.bmp";
    QTest::newRow("name given") << QStringList{"Min katt!.jpg", "katten.bmp"} << "katten.bmp";
    QTest::newRow("page of a PDF")
        << QStringList{"--page", "2", "sidor.pdf", "sida två.bmp"} << "sida två.bmp";
}

// The saved page is a 1-bit Windows bitmap that the programs' loader reads,
// pixel for pixel the page the window shows for the same file.
void TstImportCommand::savesThePage()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, saved);
    Folder folder;
    const QByteArray jpeg = testpages::encoded(testpages::linePage(), "JPEG", 30);
    folder.write(QStringLiteral("Min katt!.jpg"), jpeg);
    folder.write(QStringLiteral("sidor.pdf"), testpages::pdfPage(2));
    const Run run = folder.run(arguments);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, saved + u'\n');
    QFile file(folder.path(saved));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.left(2), QByteArray("BM"));
    QCOMPARE(int(bytes[28]), 1); // bits per pixel
    const QImage page = core::LoadPicture(folder.path(saved));
    QCOMPARE(page.size(), core::page::Size);
    QVERIFY(pagecheck::onlyBlackAndWhite(page));
    if (arguments.size() <= 2) {
        const QImage expected =
            zedoimport::PreparePicture(zedoimport::ReadSourceData(jpeg, saved).picture).page;
        QCOMPARE(page.convertToFormat(QImage::Format_RGB32),
                 expected.convertToFormat(QImage::Format_RGB32));
    }
}

void TstImportCommand::failsAndWritesNothing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing file") << QStringList{"saknas.png"} << 1
                                  << "Filen %1/saknas.png kan inte läsas: filen finns inte.";
    QTest::newRow("damaged file")
        << QStringList{"trasig.jpg"} << 1
        << "Filen %1/trasig.jpg kan inte läsas: det är varken en bild eller en PDF-fil";
    QTest::newRow("damaged PNG, on which Qt would comment")
        << QStringList{"trasig.png"} << 1
        << "Filen %1/trasig.png kan inte läsas: bilden är trasig.";
    QTest::newRow("page beyond the last")
        << QStringList{"--page", "3", "sidor.pdf"} << 1
        << "Filen %1/sidor.pdf kan inte läsas: PDF-filen har ingen sida 3, bara 2 sidor.";
    QTest::newRow("the name is taken")
        << QStringList{"sida.png", "finns.bmp"} << 1
        << "Det finns redan en fil som heter finns.bmp här; ge målarbilden ett annat namn.";
    QTest::newRow("no file") << QStringList{} << 2 << "Användning: zedoimport [--page N]";
    QTest::newRow("page not a number")
        << QStringList{"--page", "två", "sidor.pdf"} << 2 << "Användning: zedoimport";
    QTest::newRow("three names") << QStringList{"a.png", "b.bmp", "c.bmp"} << 2
                                 << "Användning: zedoimport";
}

void TstImportCommand::failsAndWritesNothing()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, message);
    Folder folder;
    folder.write(QStringLiteral("trasig.jpg"), badfiles::randomBytes(11, 4000));
    folder.write(QStringLiteral("sidor.pdf"), testpages::pdfPage(2));
    const QByteArray png = testpages::encoded(testpages::linePage(), "PNG");
    folder.write(QStringLiteral("sida.png"), png);
    folder.write(QStringLiteral("trasig.png"), png.left(3000) + badfiles::randomBytes(4, 3000));
    folder.write(QStringLiteral("finns.bmp"), "not a page");
    const auto before = badfiles::folderContents(folder.dir());
    // Without arguments the program would open its window: the usage case
    // gives an empty option instead.
    const Run run = folder.run(arguments.isEmpty() ? QStringList{"--page", "1"} : arguments);
    QCOMPARE(run.status, status);
    QCOMPARE(run.out, QString());
    const QString expected = message.contains(u"%1") ? message.arg(folder.dir()) : message;
    QVERIFY2(run.err.startsWith(expected), qPrintable(run.err));
    // That alone (a usage of three lines): nothing of Qt's in English beside it.
    QCOMPARE(run.err.count(u'\n'), status == 2 ? 3 : 1);
    QVERIFY(before == badfiles::folderContents(folder.dir()));
}

void TstImportCommand::answersHelpAndVersion_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("answer");
    const QString usage = QStringLiteral("^Användning: zedoimport \\[--page N\\] FIL.*--version");
    const QString version = QStringLiteral("^zedoimport \\(Krumelo\\) \\d+\\.\\d+\\.\\d+\n$");
    QTest::newRow("help") << QStringList{"--help"} << usage;
    QTest::newRow("help before a file") << QStringList{"--help", "sida.png"} << usage;
    QTest::newRow("version") << QStringList{"--version"} << version;
    QTest::newRow("version after a page") << QStringList{"--page", "2", "--version"} << version;
}

// Asked for help or the version, it answers on standard output and does
// nothing else.
void TstImportCommand::answersHelpAndVersion()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, answer);
    Folder folder;
    folder.write(QStringLiteral("sida.png"), testpages::encoded(testpages::linePage(), "PNG"));
    const auto before = badfiles::folderContents(folder.dir());
    const Run run = folder.run(arguments);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.status, 0);
    QVERIFY2(QRegularExpression(answer, QRegularExpression::DotMatchesEverythingOption)
                 .match(run.out)
                 .hasMatch(),
             qPrintable(run.out));
    QVERIFY(before == badfiles::folderContents(folder.dir()));
}

QTEST_GUILESS_MAIN(TstImportCommand)
#include "tst_importcommand.moc"
