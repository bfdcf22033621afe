// SPDX-License-Identifier: GPL-3.0-or-later
// firstframe PROGRAM [ARGUMENTS...]
//
// Starts a program on the X display and reports how long it took from the
// start to the first frame of its main window, and how much memory the
// program holds once it has been idle for a second; then ends it. Prints one
// line: "first_frame_ms=... cpu_ms=... VmRSS_kb=... RssAnon_kb=... title=...".
// cpu_ms is the time the program's threads ran on a processor until the
// first frame: on a machine busy with other work it varies far less than
// the time from the start.
//
// The main window is the first top-level window mapped that does not cover
// the whole screen (a backdrop does). Its first frame is the moment the first
// of its pixels on the screen stops being black, what lies under it on an
// empty display with black backdrops: the strip across its middle is read
// every half millisecond. Listening for the map beats polling for the window
// by name, as `xdotool search --sync` does every half second.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <string>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr double TimeoutMs = 20000;

double nowMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

[[noreturn]] void fail(const char *what, pid_t child)
{
    std::fprintf(stderr, "firstframe: %s\n", what);
    if (child > 0)
        kill(child, SIGKILL);
    std::exit(1);
}

std::string titleOf(Display *display, Window window)
{
    char *name = nullptr;
    std::string title;
    if (XFetchName(display, window, &name) && name)
        title = name;
    XFree(name);
    return title;
}

// Waits for the map of a window smaller than the screen and returns it.
Window awaitMainWindow(Display *display, pid_t child, double start)
{
    const Window root = DefaultRootWindow(display);
    XWindowAttributes screen{};
    XGetWindowAttributes(display, root, &screen);
    while (nowMs() - start < TimeoutMs) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify || event.xmap.event != root)
                continue;
            XWindowAttributes window{};
            if (XGetWindowAttributes(display, event.xmap.window, &window) &&
                (window.width < screen.width || window.height < screen.height))
                return event.xmap.window;
        }
        if (waitpid(child, nullptr, WNOHANG) == child)
            fail("the program ended before its window showed", -1);
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(ConnectionNumber(display), &fds);
        timeval tick{0, 10000};
        select(ConnectionNumber(display) + 1, &fds, nullptr, nullptr, &tick);
    }
    fail("no window showed", child);
}

// Reads the strip from the screen, not from the window, so that a window
// partly off the screen cannot make the read fail.
bool anyPixelLit(Display *display, Window window)
{
    const Window root = DefaultRootWindow(display);
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, window, &attributes);
    int x = 0;
    int y = 0;
    Window unused;
    XTranslateCoordinates(display, window, root, 0, attributes.height / 2, &x, &y, &unused);
    const int left = x < 0 ? 0 : x;
    const int right = std::min(x + attributes.width, DisplayWidth(display, 0));
    if (right <= left || y < 0 || y >= DisplayHeight(display, 0))
        return false;
    XImage *strip = XGetImage(display, root, left, y, right - left, 1, AllPlanes, ZPixmap);
    bool lit = false;
    for (int i = 0; strip && i < strip->width && !lit; ++i)
        lit = (XGetPixel(strip, i, 0) & 0xFFFFFF) != 0;
    if (strip)
        XDestroyImage(strip);
    return lit;
}

// The time all threads of `pid` have run, in milliseconds, from the
// scheduler's counts in nanoseconds.
double cpuMs(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR *folder = opendir(tasks.c_str());
    double ns = 0;
    while (dirent *task = folder ? readdir(folder) : nullptr) {
        if (task->d_name[0] == '.')
            continue;
        FILE *stat = std::fopen((tasks + "/" + task->d_name + "/schedstat").c_str(), "r");
        double onCpu = 0;
        if (stat && std::fscanf(stat, "%lf", &onCpu) == 1)
            ns += onCpu;
        if (stat)
            std::fclose(stat);
    }
    if (folder)
        closedir(folder);
    return ns / 1e6;
}

// The resident memory from /proc: the total, and its anonymous, file-backed
// and shared (the X server's shared images) parts, as "name=kB" pairs.
std::string residentMemory(pid_t pid)
{
    const std::string path = "/proc/" + std::to_string(pid) + "/status";
    FILE *status = std::fopen(path.c_str(), "r");
    char line[256];
    std::string found;
    while (status && std::fgets(line, sizeof line, status)) {
        char name[64];
        long kb = 0;
        if (std::sscanf(line, "%63[^:]: %ld kB", name, &kb) == 2 &&
            (!std::strcmp(name, "VmRSS") || !std::strncmp(name, "Rss", 3)))
            found += std::string(" ") + name + "_kb=" + std::to_string(kb);
    }
    if (status)
        std::fclose(status);
    return found;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: firstframe PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        fail("cannot open the display", -1);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const double start = nowMs();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    const Window window = awaitMainWindow(display, child, start);
    while (!anyPixelLit(display, window)) {
        if (nowMs() - start > TimeoutMs)
            fail("the window never painted", child);
        usleep(500);
    }
    const double firstFrame = nowMs() - start;
    const double cpu = cpuMs(child);
    sleep(1);
    std::printf("first_frame_ms=%.1f cpu_ms=%.1f%s title=%s\n", firstFrame, cpu,
                residentMemory(child).c_str(), titleOf(display, window).c_str());
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    return 0;
}
