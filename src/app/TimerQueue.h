#pragma once

// Due times of the armed timers, on the frame's clock.
//
// Rules: arming a disarmed timer makes its first tick due one interval
// later and then every interval; arming an armed timer changes nothing;
// disarming drops it, even a tick already due; a timer whose period elapsed
// several times before delivery ticks once, and its next tick is the next
// multiple of its interval. Ticks due at the same moment are delivered in
// the order their timers were armed.

#include <cstdint>
#include <optional>
#include <vector>

namespace app {

class Timer;

class TimerQueue {
public:
    struct Due {
        const Timer* timer;
        std::uint64_t serial;
        std::int64_t dueAt;
    };

    void arm(const Timer& timer, std::int64_t nowMs);
    void disarm(const Timer& timer);
    bool isArmed(const Due& due) const;
    std::optional<std::int64_t> nextDue() const;
    // Takes every timer due at nowMs, in delivery order, and moves each to
    // its next period; each is still checked with isArmed before its tick.
    void takeDue(std::int64_t nowMs, std::vector<Due>& out);

private:
    struct Entry {
        const Timer* timer;
        std::int64_t dueAt;
        std::int64_t intervalMs;
        std::uint64_t serial;
    };
    std::vector<Entry> m_entries;
    std::uint64_t m_nextSerial = 1;
};

} // namespace app
