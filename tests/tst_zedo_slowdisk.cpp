// SPDX-License-Identifier: GPL-3.0-or-later
// The colouring program starting from a slow disk, as a network disk can be:
// every read of a file waits, gives at most 31 bytes, and every other one is
// first interrupted by a signal. The program still starts, with the picture
// whole and every setting of zedo.ini applied.
#include "core/colortable.h"
#include "core/pictureloader.h"
#include "fixture/zedofixture.h"
#include "forms/commandbutton3d.h"
#include "forms/picturebox.h"
#include "forms/shape.h"

#include <QFile>
#include <QTest>

#include <algorithm>
#include <cerrno>

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

using fixture::ZedoFixture;

namespace {

bool slowDisk = false;
int slowReads = 0;

bool isPlainFile(int fd)
{
    struct stat status
    {
    };
    return fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
}

} // namespace

// Taken before the C library's own read, for every library of the process;
// outside the slow start it only passes the call on.
extern "C" ssize_t read(int fd, void *data, size_t size)
{
    static const auto passOn =
        reinterpret_cast<ssize_t (*)(int, void *, size_t)>(dlsym(RTLD_NEXT, "read"));
    if (!slowDisk || size == 0 || !isPlainFile(fd))
        return passOn(fd, data, size);
    if (++slowReads % 2 == 1) {
        errno = EINTR;
        return -1;
    }
    usleep(50);
    return passOn(fd, data, std::min<size_t>(size, 31));
}

class TstZedoSlowDisk : public QObject
{
    Q_OBJECT

private slots:
    void startsFromASlowDisk()
    {
        const QString source = QStringLiteral(KRUMELO_EXAMPLES "/hus.bmp");
        const QImage expected = core::LoadPicture(source);
        ZedoFixture zedo;
        QVERIFY(QFile::copy(source, zedo.path(QStringLiteral("hus.bmp"))));
        zedo.writeSettings(fixture::settings({12, 9, 2, 14, 10}, 15, 0, 0, -1, -1, "hus.bmp"));

        slowDisk = true;
        const std::optional<QString> failure = zedo.load();
        slowDisk = false;
        QVERIFY2(!failure, qPrintable(failure.value_or(QString())));
        // Both files went through the slow reads, a few bytes at a time.
        QVERIFY2(slowReads > 2 * QFile(source).size() / 31, qPrintable(QString::number(slowReads)));

        const zedo::Form1 &form = zedo.form();
        QCOMPARE(form.Picture1->picture(), expected);
        QCOMPARE(form.Picture1->DrawWidth(), 15);
        QCOMPARE(form.Command3D3->Caption(), QStringLiteral("Rita"));
        QVERIFY(form.Command3D2->isHidden());
        QVERIFY(!form.Command3D1->isHidden());
        for (int i = 0; i < 10; ++i)
            QCOMPARE(!form.Shape1[i]->isHidden(), i < 5);
        QCOMPARE(form.Shape1[4]->FillColor(), core::QBColor(10));
    }
};

QTEST_MAIN(TstZedoSlowDisk)
#include "tst_zedo_slowdisk.moc"
