// Ticks per second that reach Form3's tim1_Timer in the real event loop,
// with the ready screen up and the keyboard window shown, and the CPU the
// whole process uses meanwhile. Each round first measures a plain 1 ms
// QTimer in the same process, as the baseline the machine allows, and ends
// with the keyboard window closed again, which shows what its repaints
// cost.
//
// Usage: bench-tick-rate [seconds per window = 10] [rounds = 3]; needs a
// display (see run-all.sh).

#include "support/EventLoop.h"
#include "support/LiveProgram.h"
#include "support/Stats.h"
#include "support/TickWindow.h"

#include <QApplication>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using namespace std::chrono_literals;
using bench::TickWindow;

TickWindow plainTimer(std::chrono::milliseconds length)
{
    std::uint64_t count = 0;
    QTimer timer;
    timer.setInterval(1);
    QObject::connect(&timer, &QTimer::timeout, [&] { ++count; });
    timer.start();
    bench::runEventLoopFor(1s);
    return bench::measureTicks(length, [&] { return count; });
}

struct ReadyScreen {
    TickWindow withKeyboard;
    TickWindow keyboardClosed;
};

ReadyScreen readyScreen(std::chrono::milliseconds length)
{
    bench::LiveProgram program;
    program.toReadyScreenWithKeyboard();
    // Windows mapped and painted, caches warm.
    bench::runEventLoopFor(1s);
    const auto ticks = [&] { return program.ticks(); };
    const TickWindow withKeyboard = bench::measureTicks(length, ticks);
    program.app().closeRequested(program.app().screen("Form2"));
    return {withKeyboard, bench::measureTicks(length, ticks)};
}

} // namespace

int main(int argc, char** argv)
{
    const std::chrono::milliseconds length{argc > 1 ? std::atoi(argv[1]) * 1000 : 10'000};
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
    qtshell::QtShell::prepareToolkit(); // as the program does
    QApplication toolkit(argc, argv);

    std::vector<double> baseRate, baseCpu, gameRate, gameCpu, closedRate, closedCpu;
    for (int round = 1; round <= rounds; ++round) {
        const TickWindow base = plainTimer(length);
        const ReadyScreen game = readyScreen(length);
        std::printf("round %d: plain 1 ms QTimer %.0f ticks/s at %.1f%% CPU; tim1 on the ready screen %.0f ticks/s at %.1f%% CPU, "
                    "with the keyboard window closed %.0f ticks/s at %.1f%% CPU\n",
                    round, base.ticksPerSecond, base.cpuPercent, game.withKeyboard.ticksPerSecond, game.withKeyboard.cpuPercent,
                    game.keyboardClosed.ticksPerSecond, game.keyboardClosed.cpuPercent);
        baseRate.push_back(base.ticksPerSecond);
        baseCpu.push_back(base.cpuPercent);
        gameRate.push_back(game.withKeyboard.ticksPerSecond);
        gameCpu.push_back(game.withKeyboard.cpuPercent);
        closedRate.push_back(game.keyboardClosed.ticksPerSecond);
        closedCpu.push_back(game.keyboardClosed.cpuPercent);
    }
    std::printf("tick rate: tim1 %.0f ticks/s (target >= 990) at %.1f%% of a core (target <= 5); "
                "keyboard window closed %.0f ticks/s at %.1f%%; plain 1 ms QTimer %.0f ticks/s at %.1f%%; "
                "medians of %d windows of %lld s\n",
                bench::median(gameRate), bench::median(gameCpu), bench::median(closedRate), bench::median(closedCpu),
                bench::median(baseRate), bench::median(baseCpu), rounds, static_cast<long long>(length.count() / 1000));
    return 0;
}
