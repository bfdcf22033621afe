// SPDX-License-Identifier: GPL-3.0-or-later
// The settings editor's save, made to fail from outside the process at each
// step: a folder or file it may not write, a full disk, the process killed
// while it writes and at each later step. The old zedo.ini stays byte for
// byte as it was, or the new one is there complete; never a mix, and no
// half-written file is left behind.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray OldFile("\"gammal.bmp\"\r\n1\r\n4\r\n5\r\n0\r\n0\r\n0\r\n0\r\n");
// What "OK" writes in a folder whose first bitmap is a.bmp, nothing changed.
const QByteArray NewFile("\"a.bmp\"\r\n3\r\n12\r\n9\r\n2\r\n10\r\n-1\r\n-1\r\n0\r\n0\r\n");

QByteArray contentsOf(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// The editor's folder: one picture and an old zedo.ini.
void prepare(const QTemporaryDir &dir)
{
    QImage picture(8, 6, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QVERIFY(picture.save(dir.filePath(QStringLiteral("a.bmp")), "BMP"));
    QFile file(dir.filePath(QStringLiteral("zedo.ini")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(OldFile), OldFile.size());
}

// Starts the saver in `folder`; as another user when `unprivileged`, since
// the superuser may write where others may not.
void startSaver(QProcess &saver, const QString &folder, const QStringList &args, bool unprivileged)
{
    QString program = QStringLiteral(KRUMELO_SETTINGSSAVER);
    QStringList arguments = args;
    if (unprivileged && geteuid() == 0) {
        arguments =
            QStringList{"--reuid=nobody", "--regid=nogroup", "--clear-groups", "--", program} +
            args;
        program = QStringLiteral("setpriv");
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR")); // the superuser's
    saver.setProcessEnvironment(environment);
    saver.setWorkingDirectory(folder);
    saver.start(program, arguments);
}

// Runs the saver to its end; returns its standard error.
QString runSaver(QProcess &saver, const QString &folder, const QStringList &args, bool unprivileged)
{
    startSaver(saver, folder, args, unprivileged);
    if (!saver.waitForFinished(120'000))
        qWarning("the saver did not finish");
    return QString::fromUtf8(saver.readAllStandardError());
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

// A memory file system of a few pages on `folder` while it lives, if this
// process may mount one.
class FullDisk
{
public:
    explicit FullDisk(const QString &folder) : m_folder(QFile::encodeName(folder))
    {
        m_mounted = mount("tmpfs", m_folder.constData(), "tmpfs", 0, "size=64k,mode=0700") == 0;
    }
    ~FullDisk()
    {
        if (m_mounted)
            umount2(m_folder.constData(), MNT_DETACH);
    }
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;
    bool mounted() const { return m_mounted; }

private:
    QByteArray m_folder;
    bool m_mounted = false;
};

} // namespace

class TstZedoconfSaveFaults : public QObject
{
    Q_OBJECT

private slots:
    void saveFailsFromOutside_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("unprivileged");
        QTest::addColumn<int>("folderMode");
        QTest::addColumn<int>("fileMode");
        QTest::addColumn<QString>("outcome"); // "saved", "reported" or "killed"
        QTest::addColumn<QString>("cause");   // what the report says, %1 the folder
        QTest::newRow("nothing in the way")
            << QStringList() << true << 0777 << 0666 << "saved" << QString();
        QTest::newRow("folder not writable") << QStringList() << true << 0555 << 0666 << "reported"
                                             << "det är inte tillåtet att skriva i mappen %1";
        QTest::newRow("zedo.ini read-only") << QStringList() << true << 0777 << 0444 << "reported"
                                            << "filen är skrivskyddad";
        QTest::newRow("disk full")
            << QStringList{"--disk-full"} << false << 0700 << 0644 << "reported"
            << "disken är full";
        QTest::newRow("file size limit")
            << QStringList{"--file-size-limit", "16", "--ignore-size-signal"} << false << 0700
            << 0644 << "reported"
            << "något gick fel när filen skrevs";
        QTest::newRow("killed in the write by the file size limit")
            << QStringList{"--file-size-limit", "16"} << false << 0700 << 0644 << "killed"
            << QString();
        QTest::newRow("killed before the new file is on disk")
            << QStringList{"--kill-at", "fdatasync"} << false << 0700 << 0644 << "killed"
            << QString();
        QTest::newRow("killed before the new file has a name")
            << QStringList{"--kill-at", "linkat"} << false << 0700 << 0644 << "killed" << QString();
    }

    void saveFailsFromOutside()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, unprivileged);
        QFETCH(int, folderMode);
        QFETCH(int, fileMode);
        QFETCH(QString, outcome);
        QFETCH(QString, cause);
        QTemporaryDir dir;
        prepare(dir);
        const QString ini = dir.filePath(QStringLiteral("zedo.ini"));
        QCOMPARE(chmod(QFile::encodeName(ini), mode_t(fileMode)), 0);
        QCOMPARE(chmod(QFile::encodeName(dir.path()), mode_t(folderMode)), 0);

        QProcess saver;
        const QString errors = runSaver(saver, dir.path(), args, unprivileged);
        QCOMPARE(chmod(QFile::encodeName(dir.path()), 0700), 0);
        QCOMPARE(saver.readAllStandardOutput(), QByteArray("saving\n"));
        if (outcome == "killed") {
            QCOMPARE(saver.exitStatus(), QProcess::CrashExit);
        } else {
            QCOMPARE(saver.exitStatus(), QProcess::NormalExit);
            QVERIFY2(saver.exitCode() == (outcome == "saved" ? 0 : 2), qPrintable(errors));
        }
        // The report names the file and the cause, in Swedish only.
        const QString folder = QDir::toNativeSeparators(dir.path());
        if (outcome == "reported")
            QVERIFY2(errors.contains(QStringLiteral("Inställningsfilen %1 kunde inte sparas: %2.\n")
                                         .arg(QDir::toNativeSeparators(ini),
                                              QString(cause).replace("%1", folder))),
                     qPrintable(errors));
        QCOMPARE(contentsOf(ini), outcome == "saved" ? NewFile : OldFile);
        QCOMPARE(entriesOf(dir.path()), (QStringList{"a.bmp", "zedo.ini"}));
    }

    // A real full disk, a small memory file system filled to the last
    // byte: the save says so and the old file stays as it was.
    void diskFull()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("full"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("full")));
        const FullDisk disk(folder);
        if (!disk.mounted())
            QSKIP("no file system can be mounted here; that needs the superuser");
        QTemporaryDir inside(folder + QStringLiteral("/XXXXXX"));
        prepare(inside);
        QFile filler(inside.filePath(QStringLiteral("fyllnad")));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(4096, 'x')) > 0) {
        }
        filler.close();

        QProcess saver;
        const QString errors = runSaver(saver, inside.path(), {}, false);
        QCOMPARE(saver.exitStatus(), QProcess::NormalExit);
        QVERIFY2(saver.exitCode() == 2, qPrintable(errors));
        const QString ini = inside.filePath(QStringLiteral("zedo.ini"));
        QVERIFY2(errors.contains(QDir::toNativeSeparators(ini)), qPrintable(errors));
        QVERIFY2(errors.contains(QStringLiteral("disken är full")), qPrintable(errors));
        QCOMPARE(contentsOf(ini), OldFile);
        QCOMPARE(entriesOf(inside.path()), (QStringList{"a.bmp", "fyllnad", "zedo.ini"}));
    }

    // Two editors press "OK" in the same folder at the same moment, round
    // after round: zedo.ini is always the whole file of one of them, and
    // nothing else is left behind. Each save writes slowly, so the two
    // overlap, and the names differ in length, so that writes into one file
    // would leave the end of the longer one.
    void twoEditorsSaveAtOnce_data()
    {
        QTest::addColumn<bool>("oldFile");
        QTest::newRow("over an old zedo.ini") << true;
        QTest::newRow("with no zedo.ini before") << false;
    }

    void twoEditorsSaveAtOnce()
    {
        QFETCH(bool, oldFile);
        QTemporaryDir dir;
        prepare(dir);
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::green);
        QVERIFY(picture.save(dir.filePath(QStringLiteral("andra-bilden.bmp")), "BMP"));
        const QString ini = dir.filePath(QStringLiteral("zedo.ini"));
        const QByteArray second = QByteArray(NewFile).replace("a.bmp", "andra-bilden.bmp");
        for (int round = 0; round < 5; ++round) {
            if (!oldFile)
                QVERIFY(QFile::remove(ini));
            QProcess savers[2];
            for (int i = 0; i < 2; ++i)
                startSaver(savers[i], dir.path(),
                           {"--pick", QString::number(i), "--wait", "--slow-disk"}, false);
            for (QProcess &saver : savers) {
                QVERIFY(saver.waitForReadyRead(120'000));
                QCOMPARE(saver.readLine(), QByteArray("ready\n"));
            }
            for (QProcess &saver : savers)
                saver.write("\n");
            for (QProcess &saver : savers)
                QVERIFY(saver.waitForBytesWritten(10'000));
            for (QProcess &saver : savers) {
                QVERIFY(saver.waitForFinished(120'000));
                QVERIFY2(saver.exitStatus() == QProcess::NormalExit && saver.exitCode() == 0,
                         saver.readAllStandardError().constData());
            }
            const QByteArray saved = contentsOf(ini);
            QVERIFY2(saved == NewFile || saved == second, saved.constData());
            QCOMPARE(entriesOf(dir.path()), (QStringList{"a.bmp", "andra-bilden.bmp", "zedo.ini"}));
        }
    }

    // The one moment no save can leave clean: the new file is complete and
    // named beside the old one, and the process dies before it takes the old
    // one's place. The old file is whole, and so is the new.
    void killedBetweenNamingAndReplacing()
    {
        QTemporaryDir dir;
        prepare(dir);
        QProcess saver;
        runSaver(saver, dir.path(), {"--kill-at", "rename"}, false);
        QCOMPARE(saver.exitStatus(), QProcess::CrashExit);
        QCOMPARE(contentsOf(dir.filePath(QStringLiteral("zedo.ini"))), OldFile);
        const QStringList beside =
            QDir(dir.path()).entryList({QStringLiteral("zedo.ini.*")}, QDir::Files | QDir::Hidden);
        QCOMPARE(beside.size(), 1);
        QCOMPARE(contentsOf(dir.filePath(beside[0])), NewFile);
    }
};

QTEST_GUILESS_MAIN(TstZedoconfSaveFaults)
#include "tst_zedoconf_savefaults.moc"
