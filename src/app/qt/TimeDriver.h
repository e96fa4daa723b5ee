#pragma once

// Drives the frame's timers from the toolkit's event loop with one
// single-shot timer, always set for the frame's next due tick.
//
// The shell calls reschedule() after every delivered event, because any
// handler may arm or disarm a timer; the driver reschedules itself after
// each of its own runs. Keys and clicks waiting in the toolkit's queue are
// taken between two runs. A faster strategy (a busy idle loop for the 1 ms
// timer, say) can replace this class without touching the rest.

#include "app/Application.h"
#include "app/Clock.h"

#include <QTimer>

#include <optional>

namespace qtshell {

class TimeDriver {
public:
    TimeDriver(app::Application& app, const app::Clock& clock);
    TimeDriver(const TimeDriver&) = delete;
    TimeDriver& operator=(const TimeDriver&) = delete;

    // Sets the timer for the next due tick (at once when one is already
    // due); stops it when nothing is armed or the program has ended.
    void reschedule();
    void stop();

    // The delay the timer was last set to, or nothing while it is stopped.
    std::optional<int> scheduledDelayMs() const;

private:
    void run();

    app::Application& m_app;
    const app::Clock& m_clock;
    QTimer m_timer;
};

} // namespace qtshell
