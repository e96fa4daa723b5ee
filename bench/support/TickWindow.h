#pragma once

// Ticks per second and the process's CPU use over one window of time,
// while the event loop runs.

#include "support/EventLoop.h"
#include "support/ProcessUsage.h"

#include <chrono>
#include <cstdint>
#include <functional>

namespace bench {

struct TickWindow {
    double ticksPerSecond;
    double cpuPercent; // of one core
};

inline TickWindow measureTicks(std::chrono::milliseconds length, const std::function<std::uint64_t()>& ticks)
{
    using Clock = std::chrono::steady_clock;
    const std::uint64_t ticks0 = ticks();
    const double cpu0 = cpuSeconds();
    const Clock::time_point wall0 = Clock::now();
    runEventLoopFor(length);
    const double wall = std::chrono::duration<double>(Clock::now() - wall0).count();
    return {static_cast<double>(ticks() - ticks0) / wall, 100.0 * (cpuSeconds() - cpu0) / wall};
}

} // namespace bench
