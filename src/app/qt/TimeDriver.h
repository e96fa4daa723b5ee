#pragma once

// Drives the frame's timers from the toolkit's event loop with one alarm,
// always set for the moment the frame's next due tick falls due.
//
// The shell calls reschedule() after every delivered event, because any
// handler may arm or disarm a timer; during the driver's own run, which
// delivers a batch of ticks, it waits for the end of the batch. Keys and
// clicks waiting in the toolkit's queue are taken between two runs.
//
// The moment is the start of the due millisecond, to the microsecond, on
// the frame's clock: the 1 ms timer gets one run in every millisecond
// however long the runs take, where a delay counted in whole milliseconds
// from the end of each run would slip past one millisecond in every few.
// While a tick falls due at the start of every next millisecond (the 1 ms
// timer is armed), the alarm repeats every millisecond and is not set
// again: setting a timer costs the system more than the tick itself.

#include "app/Application.h"
#include "app/Clock.h"
#include "app/qt/Alarm.h"

#include <chrono>
#include <cstdint>
#include <optional>

namespace qtshell {

class TimeDriver {
public:
    TimeDriver(app::Application& app, const app::Clock& clock);
    TimeDriver(const TimeDriver&) = delete;
    TimeDriver& operator=(const TimeDriver&) = delete;

    // Sets the alarm for the next due tick (at once when one is already
    // due); stops it when nothing is armed or the program has ended.
    void reschedule();
    void stop();

    // The delay the alarm was last set to, while it is set.
    std::optional<std::chrono::microseconds> scheduledDelay() const { return m_delay; }
    bool repeatsEveryMs() const { return m_repeatingNextMs.has_value(); }

private:
    void run();

    app::Application& m_app;
    const app::Clock& m_clock;
    Alarm m_alarm;
    std::optional<std::chrono::microseconds> m_delay;
    // While the alarm repeats: the frame's millisecond of its next ring.
    std::optional<std::int64_t> m_repeatingNextMs;
    bool m_running = false;
};

} // namespace qtshell
