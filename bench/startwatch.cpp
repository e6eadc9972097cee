// SPDX-License-Identifier: GPL-3.0-or-later
// Times a program's first window under X11: when the window with the given title was mapped and first
// drawn on (X DAMAGE), in milliseconds from the program's start. The program is left running.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr double millisecondsPerSecond = 1e3;
constexpr double nanosecondsPerMillisecond = 1e6;
constexpr int usageError = 2;

double nowMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * millisecondsPerSecond + double(now.tv_nsec) / nanosecondsPerMillisecond;
}

// The window's title: _NET_WM_NAME (UTF-8) when set, else WM_NAME.
std::string titleOf(Display* display, Window window) {
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &items, &after,
                           &data) == Success &&
        data != nullptr) {
        title.assign(reinterpret_cast<const char*>(data), items);
        XFree(data);
    }
    if (title.empty()) {
        char* name = nullptr;
        if (XFetchName(display, window, &name) && name != nullptr) {
            title = name;
            XFree(name);
        }
    }
    return title;
}

} // namespace

// Usage: abacolo_startwatch TITLE TIMEOUT_MS PROGRAM [ARGUMENTS...]
// Prints: pid=PID mapped_ms=M drawn_ms=D
int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s TITLE TIMEOUT_MS PROGRAM [ARGUMENTS...]\n", argv[0]);
        return usageError;
    }
    const std::string wanted = argv[1];
    const double timeoutMs = std::atof(argv[2]);

    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "startwatch: no X display\n");
        return 1;
    }
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "startwatch: the X server has no DAMAGE extension\n");
        return 1;
    }
    // Some top-level windows cannot be watched for drawing (an input-only window, such as the one the
    // session bus's launcher makes): their errors are of no interest here.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double start = nowMs();
    const pid_t child = fork();
    if (child == 0) {
        // The program writes to our error stream: our output is only the figures, and whoever reads it
        // must not wait for the program to close it.
        dup2(STDERR_FILENO, STDOUT_FILENO);
        execvp(argv[3], argv + 3);
        std::perror("startwatch: exec");
        _exit(127);
    }

    Window shown = None;
    double mappedMs = -1;
    double drawnMs = -1;
    const int connection = ConnectionNumber(display);
    while (drawnMs < 0) {
        if (waitpid(child, nullptr, WNOHANG) == child) {
            std::fprintf(stderr, "startwatch: the program ended before its window was drawn\n");
            return 1;
        }
        const double left = timeoutMs - (nowMs() - start);
        if (left <= 0) {
            std::fprintf(stderr, "startwatch: no window titled \"%s\" within %.0f ms\n", wanted.c_str(),
                         timeoutMs);
            kill(child, SIGTERM);
            return 1;
        }
        if (XPending(display) == 0) {
            fd_set ready;
            FD_ZERO(&ready);
            FD_SET(connection, &ready);
            timeval wait{0, 10'000}; // wake now and then to notice a program that died
            select(connection + 1, &ready, nullptr, nullptr, &wait);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        const double at = nowMs() - start;
        if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
            // Watch every new top-level window from birth, so no early drawing is missed.
            XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
        } else if (event.type == MapNotify && event.xmap.event == root) {
            if (shown == None && titleOf(display, event.xmap.window) == wanted) {
                shown = event.xmap.window;
                mappedMs = at;
            }
        } else if (event.type == damageEvent + XDamageNotify) {
            const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
            XDamageSubtract(display, damage.damage, None, None);
            if (damage.drawable == shown && shown != None)
                drawnMs = at;
        }
    }
    std::printf("pid=%d mapped_ms=%.1f drawn_ms=%.1f\n", int(child), mappedMs, drawnMs);
    std::fflush(stdout);
    XCloseDisplay(display);
    return 0;
}
