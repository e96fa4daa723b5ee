// The real program left on the ready screen, tim1 drawing and the keyboard
// window shown, for a long while: resident memory and tick rate at the
// start and at the end, and a line every minute in between.
//
// Usage: bench-soak [seconds = 600]; needs a display.

#include "support/EventLoop.h"
#include "support/LiveProgram.h"
#include "support/ProcessUsage.h"
#include "support/TickWindow.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

double rssMb()
{
    return static_cast<double>(bench::statusKb("VmRSS")) / 1024.0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::chrono::seconds duration{argc > 1 ? std::atoi(argv[1]) : 600};
    // The rate at each end is taken over a tenth of the run, 10 s at most.
    const std::chrono::milliseconds window = std::min<std::chrono::milliseconds>(10s, duration / 10);
    qtshell::QtShell::prepareToolkit(); // as the program does
    QApplication toolkit(argc, argv);
    bench::LiveProgram program;
    program.toReadyScreenWithKeyboard();
    bench::runEventLoopFor(1s); // windows mapped and painted

    const auto ticks = [&] { return program.ticks(); };
    const Clock::time_point start = Clock::now();
    const double rssStart = rssMb();
    const bench::TickWindow first = bench::measureTicks(window, ticks);
    const Clock::time_point lastWindowAt = start + duration - window;
    while (Clock::now() + 60s < lastWindowAt) {
        const bench::TickWindow minute = bench::measureTicks(60s, ticks);
        std::printf("  soak at %3lld s: %.0f ticks/s at %.1f%% CPU, RSS %.2f MB\n",
                    static_cast<long long>(std::chrono::duration_cast<std::chrono::seconds>(Clock::now() - start).count()),
                    minute.ticksPerSecond, minute.cpuPercent, rssMb());
        std::fflush(stdout);
    }
    bench::runEventLoopFor(std::chrono::duration_cast<std::chrono::milliseconds>(std::max<Clock::duration>(lastWindowAt - Clock::now(), 0s)));
    const bench::TickWindow last = bench::measureTicks(window, ticks);
    const double rssEnd = rssMb();
    std::printf("soak, %lld s on the ready screen: RSS %.2f MB at the start, %.2f MB at the end, growth %+.2f MB (target < 1); "
                "tick rate %.0f/s at the start, %.0f/s at the end (windows of %lld s)\n",
                static_cast<long long>(duration.count()), rssStart, rssEnd, rssEnd - rssStart, first.ticksPerSecond,
                last.ticksPerSecond, static_cast<long long>(window.count() / 1000));
    return 0;
}
