// SPDX-License-Identifier: GPL-3.0-or-later
// The settings editor started in the current folder, pressing "OK" once as
// the adult would, for tests that make that save fail from outside:
//   settingssaver [--file-size-limit BYTES [--ignore-size-signal]] [--disk-full]
//                 [--kill-at fdatasync|linkat|rename] [--slow-disk]
//                 [--pick N] [--wait]
// --pick chooses entry N of the file list before saving. --wait prints
// "ready" once the editor is up and saves only when a line comes on
// standard input, so that several editors can be made to save at once.
// --file-size-limit lets no file grow beyond BYTES while saving, as a full
// disk would; the system then ends the process in the write, unless
// --ignore-size-signal makes the write fail instead. --disk-full makes every
// write to a file fail as on a disk with no room left. --kill-at ends the
// process dead on entering that step of the save, as a power cut would.
// --slow-disk writes files one byte at a time, two milliseconds apart.
// Exit status 0: saved and ended; 2: the failure was shown and the editor
// stayed open; 3: the editor could not start; 1: anything else. Messages go
// to standard error, and "saving" to standard output as the save begins.
#include "core/error.h"
#include "forms/filelistbox.h"
#include "forms/runtime.h"
#include "zedoconf/form2.h"

#include <QApplication>

#include <csignal>
#include <cstdio>

#include <cerrno>

#include <dlfcn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray killAt; // the step of the save to die at, if any
bool diskFull = false;
bool slowDisk = false;
bool saving = false;

void maybeKill(const char *call)
{
    if (saving && killAt == call)
        std::raise(SIGKILL);
}

template <typename Function> Function *next(const char *name)
{
    return reinterpret_cast<Function *>(dlsym(RTLD_NEXT, name));
}

void limitFileSize(rlim_t bytes, bool ignoreSignal)
{
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    if (ignoreSignal)
        std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

// Sets up what is to go wrong in the save.
void armFaults(const QStringList &args)
{
    const qsizetype limit = args.indexOf(QStringLiteral("--file-size-limit"));
    if (limit > 0)
        limitFileSize(args.value(limit + 1).toULongLong(),
                      args.contains(QStringLiteral("--ignore-size-signal")));
    const qsizetype kill = args.indexOf(QStringLiteral("--kill-at"));
    if (kill > 0)
        killAt = args.value(kill + 1).toLatin1();
    diskFull = args.contains(QStringLiteral("--disk-full"));
    slowDisk = args.contains(QStringLiteral("--slow-disk"));
}

bool isPlainFile(int fd)
{
    struct stat status
    {
    };
    return fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
}

} // namespace

// The system calls of a save, taken before the C library's own, so that the
// process can die at each step. Outside a save they only pass the call on.
extern "C" int fdatasync(int fd)
{
    maybeKill("fdatasync");
    return next<int(int)>("fdatasync")(fd);
}

extern "C" int linkat(int fromDir, const char *from, int toDir, const char *to, int flags)
{
    maybeKill("linkat");
    return next<int(int, const char *, int, const char *, int)>("linkat")(fromDir, from, toDir, to,
                                                                          flags);
}

// A full disk fails the write; a slow one makes it short, and the caller
// must follow with the rest.
extern "C" ssize_t write(int fd, const void *bytes, size_t count)
{
    static const auto passOn = next<ssize_t(int, const void *, size_t)>("write");
    if (saving && (diskFull || slowDisk) && isPlainFile(fd)) {
        if (diskFull) {
            errno = ENOSPC;
            return -1;
        }
        if (count > 1) {
            usleep(2000);
            return passOn(fd, bytes, 1);
        }
    }
    return passOn(fd, bytes, count);
}

extern "C" int rename(const char *from, const char *to)
{
    maybeKill("rename");
    return next<int(const char *, const char *)>("rename")(from, to);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    bool reported = false;
    bool ended = false;
    forms::setMessageHandler([&](const QString &message) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        reported = true;
    });
    forms::setEndHandler([&] { ended = true; });

    zedoconf::Form2 form;
    try {
        form.Form_Load();
    } catch (const core::Error &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 3;
    }
    const qsizetype pick = args.indexOf(QStringLiteral("--pick"));
    if (pick > 0) {
        form.File1->setListIndex(args.value(pick + 1).toInt());
        form.File1_Click();
    }
    if (args.contains(QStringLiteral("--wait"))) {
        std::printf("ready\n");
        std::fflush(stdout);
        std::getchar();
    }
    armFaults(args);
    std::printf("saving\n");
    std::fflush(stdout);
    saving = true;
    form.Command3D1_Click();
    saving = false;
    return reported ? 2 : ended ? 0 : 1;
}
