// The real programs started on bad input, in a private X server: each writes
// its message to standard error and shows it, ends with status 1 once the
// message is closed, hangs nowhere and writes nothing in its folder.
#include "badfiles.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Files = QMap<QString, QByteArray>;

constexpr int Deadline = 30'000; // ms any one wait may take

QByteArray settingsWith(const QByteArray &picture, const QByteArray &firstColour)
{
    return "\"" + picture + "\"\r\n1\r\n" + firstColour + "\r\n10\r\n-1\r\n-1\r\n-1\r\n-1\r\n";
}

QByteArray smallBitmap()
{
    QImage picture(8, 6, QImage::Format_RGB32);
    picture.fill(Qt::white);
    return badfiles::encoded(picture, "BMP");
}

} // namespace

class TstProgramFailures : public QObject
{
    Q_OBJECT

private:
    QProcess m_xvfb;
    QString m_display;

    // Keys go to the window with the keyboard focus, the message box once it
    // is up; Return is pressed until the program ends, as the box may not be
    // up yet when the message is already on standard error.
    bool closeMessageUntilFinished(QProcess &program)
    {
        const QDeadlineTimer deadline(Deadline);
        while (!deadline.hasExpired()) {
            QProcess key;
            key.setProcessEnvironment(displayEnvironment());
            key.start(QStringLiteral("xdotool"), {"key", "Return"});
            key.waitForFinished(Deadline);
            if (program.waitForFinished(250))
                return true;
        }
        return false;
    }

    QProcessEnvironment displayEnvironment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), m_display);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        // No session bus here; its library would only leak at exit.
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("disabled:"));
        return environment;
    }

private slots:
    void initTestCase()
    {
        // The server picks a free display and writes its number when ready.
        // Without -noreset it would start afresh whenever its last client
        // leaves, and the next program, starting just then, would find no
        // display.
        m_xvfb.start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-noreset", "-screen", "0",
                                              "1280x1024x24", "-nolisten", "tcp"});
        QVERIFY2(m_xvfb.waitForStarted(Deadline), "Xvfb does not start");
        const QDeadlineTimer deadline(Deadline);
        while (!m_xvfb.canReadLine() && m_xvfb.waitForReadyRead(int(deadline.remainingTime())))
            ;
        m_display = ':' + QString::fromLatin1(m_xvfb.readLine().trimmed());
        QVERIFY2(m_display.size() > 1, "Xvfb gave no display");
    }

    void cleanupTestCase()
    {
        m_xvfb.terminate();
        m_xvfb.waitForFinished(Deadline);
    }

    void badStart_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<Files>("files");
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<QString>("says");
        const QString zedo = QStringLiteral(KRUMELO_ZEDO);
        const QString zedoconf = QStringLiteral(KRUMELO_ZEDOCONF);
        const QByteArray page = smallBitmap();
        QTest::newRow("zedo, no zedo.ini")
            << zedo << Files{{"page.bmp", page}} << QStringList() << "zedo.ini finns inte";
        QTest::newRow("zedo, colour 16")
            << zedo << Files{{"page.bmp", page}, {"zedo.ini", settingsWith("page.bmp", "16")}}
            << QStringList() << "fältet Colors(0)";
        QTest::newRow("zedo, picture of 100000 x 100000")
            << zedo
            << Files{{"page.bmp", badfiles::hugeBitmap()},
                     {"zedo.ini", settingsWith("page.bmp", "12")}}
            << QStringList() << "för stor";
        QTest::newRow("zedo, picture is a folder")
            << zedo << Files{{"zedo.ini", settingsWith("page.bmp", "12")}}
            << QStringList{"page.bmp"} << "är en mapp";
        QTest::newRow("zedo, binary garbage")
            << zedo << Files{{"zedo.ini", badfiles::randomBytes(7, 100'000)}} << QStringList()
            << "zedo.ini, fältet";
        QTest::newRow("zedoconf, no bitmap")
            << zedoconf << Files{{"notes.txt", "x"}} << QStringList() << "ingen fil som passar";
        QTest::newRow("zedoconf, a *.bmp that is a folder")
            << zedoconf << Files() << QStringList{"a.bmp"} << "ingen fil som passar";
        QTest::newRow("zedoconf, first bitmap damaged")
            << zedoconf << Files{{"a.bmp", badfiles::damagedBitmap()}, {"b.bmp", page}}
            << QStringList() << "a.bmp kan inte läsas";
    }

    void badStart()
    {
        QFETCH(QString, program);
        QFETCH(Files, files);
        QFETCH(QStringList, folders);
        QFETCH(QString, says);
        QTemporaryDir dir;
        for (auto file = files.cbegin(); file != files.cend(); ++file) {
            QFile out(dir.filePath(file.key()));
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(*file) == file->size());
        }
        for (const QString &folder : folders)
            QVERIFY(QDir(dir.path()).mkdir(folder));
        const auto before = badfiles::folderContents(dir.path());

        QProcess running;
        running.setProcessEnvironment(displayEnvironment());
        running.setWorkingDirectory(dir.path());
        QByteArray errors;
        connect(&running, &QProcess::readyReadStandardError,
                [&] { errors += running.readAllStandardError(); });
        running.start(program, QStringList());
        QTRY_VERIFY2_WITH_TIMEOUT(QString::fromUtf8(errors).contains(says), errors.constData(),
                                  Deadline);
        QVERIFY2(closeMessageUntilFinished(running), "the program did not end");
        errors += running.readAllStandardError();

        const QString message = QString::fromUtf8(errors);
        QCOMPARE(running.exitStatus(), QProcess::NormalExit);
        QCOMPARE(running.exitCode(), 1);
        QVERIFY2(message.contains(QDir::toNativeSeparators(dir.path())), errors.constData());
        QVERIFY2(!message.contains("Sanitizer") && !message.contains("runtime error"),
                 errors.constData());
        QVERIFY(badfiles::folderContents(dir.path()) == before);
    }
};

QTEST_GUILESS_MAIN(TstProgramFailures)
#include "tst_programfailures.moc"
