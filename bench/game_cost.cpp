// CPU time of one whole 60-second game played in virtual time: the cost a
// scenario test pays per game. Prints the median of several runs.
//
// The game: 60 questions; before each the ready screen stays up 600 ms
// (600 target draws, each a new key that recolours the keyboard window), then the
// player presses one wrong key and answers 900 ms in, so each question adds
// one countdown tick and the 60th opens the results screen.

#include "support/GameDriver.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

bool playOneGame()
{
    testing_support::GameDriver d;
    d.startGame(1);
    for (int q = 0; q < 60 && !d.screen("Form6").isVisible(); ++q) {
        const auto target = static_cast<std::size_t>(q % layouts::kKeyCount);
        d.keys.wander();
        d.wait(599);
        d.keys.draw(static_cast<int>(target));
        d.wait(1);
        d.press(testing_support::kCtrl);
        d.press(layouts::kKeys[(target + 1) % layouts::kKeys.size()].keyCode);
        d.wait(900);
        d.press(layouts::kKeys[target].keyCode);
        d.wait(200);
    }
    return d.screen("Form6").isVisible();
}

} // namespace

int main()
{
    constexpr int kRuns = 21;
    std::vector<double> ms;
    for (int run = 0; run < kRuns; ++run) {
        const double start = cpuMs();
        if (!playOneGame()) {
            std::fprintf(stderr, "the game did not reach the results screen\n");
            return 1;
        }
        ms.push_back(cpuMs() - start);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("whole 60-second game in virtual time: median %.2f ms CPU, min %.2f, max %.2f (%d runs)\n",
                ms[ms.size() / 2], ms.front(), ms.back(), kRuns);
    return 0;
}
