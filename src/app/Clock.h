#pragma once

// Where the frame's time comes from. The program uses the steady clock;
// tests and benchmarks move a manual clock and never sleep.

#include <chrono>
#include <cstdint>

namespace app {

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t nowMs() const = 0;
};

class SteadyClock final : public Clock {
public:
    std::int64_t nowMs() const override
    {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now() - m_origin).count();
    }

private:
    std::chrono::steady_clock::time_point m_origin = std::chrono::steady_clock::now();
};

class ManualClock final : public Clock {
public:
    std::int64_t nowMs() const override { return m_now; }
    void set(std::int64_t ms) { m_now = ms; }

private:
    std::int64_t m_now = 0;
};

} // namespace app
