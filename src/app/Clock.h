#pragma once

// Where the frame's time comes from. The program uses the steady clock;
// tests and benchmarks move a manual clock and never sleep.
//
// The frame counts whole milliseconds. A clock also tells how far into the
// current millisecond it is, because whoever wakes the frame for its next
// tick must wake it when that millisecond begins, not a rounded-up
// millisecond later.

#include <chrono>
#include <cstdint>

namespace app {

class Clock {
public:
    virtual ~Clock() = default;
    // Microseconds since the clock's origin, never negative.
    virtual std::int64_t nowUs() const = 0;
    std::int64_t nowMs() const { return nowUs() / 1000; }
};

class SteadyClock final : public Clock {
public:
    std::int64_t nowUs() const override
    {
        using namespace std::chrono;
        return duration_cast<microseconds>(steady_clock::now() - m_origin).count();
    }

private:
    std::chrono::steady_clock::time_point m_origin = std::chrono::steady_clock::now();
};

class ManualClock final : public Clock {
public:
    std::int64_t nowUs() const override { return m_nowUs; }
    void set(std::int64_t ms) { m_nowUs = ms * 1000; }
    void setUs(std::int64_t us) { m_nowUs = us; }

private:
    std::int64_t m_nowUs = 0;
};

} // namespace app
