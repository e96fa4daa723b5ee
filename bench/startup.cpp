// Start-up of real programs, seen from outside: from just before the fork
// that starts a program to the moment its first window shows its painted
// pixels on the X display, and the program's peak resident memory (as the
// kernel counts it for a waited-for child). Programs take turns, one run
// each, and each figure is the median of the runs.
//
// The first paint is found by reading two pixels of the newly mapped window
// (the one whose _NET_WM_PID is the child's), near its top-left and
// bottom-right corners, until both show the window's background colour,
// light cyan (#C0FFFF): the toolkit maps its windows with no background of
// their own and sends the whole first frame at once, so the pixels change
// only when the painted frame arrives. A second after that the program is
// stopped.
//
// Usage: bench-startup RUNS PROGRAM...; needs a display.

#include "support/Stats.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr unsigned long kBackground = 0xC0FFFF; // as a 24-bit TrueColor pixel
constexpr auto kPatience = 10s;

struct Run {
    double firstPaintMs;
    double peakRssMb;
};

// The child's window may go away at any time; its errors are not ours.
int ignoreErrors(Display*, XErrorEvent*)
{
    return 0;
}

std::optional<pid_t> pidOf(Display* display, Window window)
{
    const Atom netWmPid = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    std::optional<pid_t> pid;
    if (XGetWindowProperty(display, window, netWmPid, 0, 1, False, XA_CARDINAL, &type, &format, &items, &remaining,
                           &data) == Success &&
        data && format == 32 && items == 1)
        pid = static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data));
    if (data)
        XFree(data);
    return pid;
}

// The window the child maps first, or None when it maps none in time.
Window awaitMappedWindow(Display* display, pid_t child, Clock::time_point deadline)
{
    while (Clock::now() < deadline) {
        if (XPending(display) == 0) {
            pollfd fd{ConnectionNumber(display), POLLIN, 0};
            poll(&fd, 1, 10);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && pidOf(display, event.xmap.window) == child)
            return event.xmap.window;
    }
    return None;
}

bool showsBackgroundAt(Display* display, Window window, int x, int y)
{
    XImage* image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return false;
    const bool painted = (XGetPixel(image, 0, 0) & 0xFFFFFF) == kBackground;
    XDestroyImage(image);
    return painted;
}

bool showsPaintedFrame(Display* display, Window window)
{
    XWindowAttributes size{};
    if (!XGetWindowAttributes(display, window, &size))
        return false;
    return showsBackgroundAt(display, window, 2, 2) &&
           showsBackgroundAt(display, window, size.width - 3, size.height - 3);
}

std::optional<Run> runOnce(Display* display, const std::string& program)
{
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    std::optional<double> firstPaintMs;
    const Window window = awaitMappedWindow(display, child, start + kPatience);
    while (window != None && Clock::now() < start + kPatience) {
        if (showsPaintedFrame(display, window)) {
            firstPaintMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            break;
        }
        std::this_thread::sleep_for(100us);
    }
    std::this_thread::sleep_for(1s);
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!firstPaintMs)
        return std::nullopt;
    return Run{*firstPaintMs, static_cast<double>(usage.ru_maxrss) / 1024.0};
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM...\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const std::vector<std::string> programs(argv + 2, argv + argc);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no display\n");
        return 1;
    }
    XSetErrorHandler(ignoreErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    std::vector<std::vector<double>> paintMs(programs.size()), rssMb(programs.size());
    for (int run = 0; run < runs; ++run) {
        for (std::size_t p = 0; p < programs.size(); ++p) {
            const std::optional<Run> result = runOnce(display, programs[p]);
            if (!result) {
                std::fprintf(stderr, "%s: no painted window within %lld s\n", programs[p].c_str(),
                             static_cast<long long>(kPatience.count()));
                return 1;
            }
            paintMs[p].push_back(result->firstPaintMs);
            rssMb[p].push_back(result->peakRssMb);
        }
    }
    for (std::size_t p = 0; p < programs.size(); ++p)
        std::printf("start-up of %s: first paint %.1f ms, peak RSS %.1f MB (medians of %d runs; min %.1f ms, max %.1f ms)\n",
                    programs[p].c_str(), bench::median(paintMs[p]), bench::median(rssMb[p]), runs,
                    bench::quantile(paintMs[p], 0.0), bench::quantile(paintMs[p], 1.0));
    XCloseDisplay(display);
    return 0;
}
