#include "app/qt/TimeDriver.h"

#include <algorithm>

namespace qtshell {

using namespace std::chrono_literals;

TimeDriver::TimeDriver(app::Application& app, const app::Clock& clock)
    : m_app(app)
    , m_clock(clock)
    , m_alarm([this] { run(); })
{
}

void TimeDriver::reschedule()
{
    if (m_running)
        return;
    const std::optional<std::int64_t> due = m_app.nextDue();
    if (m_app.ended() || !due) {
        stop();
        return;
    }
    const std::int64_t nowUs = m_clock.nowUs();
    const std::int64_t nextMs = nowUs / 1000 + 1;
    const bool everyMs = *due == nextMs;
    if (everyMs && m_repeatingNextMs == nextMs)
        return;
    // The clock truncates to the microsecond, so the delay errs long: the
    // alarm never rings before the due millisecond has begun.
    m_delay = std::chrono::microseconds(std::max<std::int64_t>(*due * 1000 - nowUs, 0));
    m_alarm.setIn(*m_delay, everyMs ? 1ms : 0ms);
    m_repeatingNextMs = everyMs ? std::optional(nextMs) : std::nullopt;
}

void TimeDriver::stop()
{
    m_alarm.cancel();
    m_delay.reset();
    m_repeatingNextMs.reset();
}

void TimeDriver::run()
{
    // A repeating alarm rings at the start of every millisecond from its
    // first ring on; a single one is spent.
    if (m_repeatingNextMs)
        m_repeatingNextMs = m_clock.nowMs() + 1;
    else
        m_delay.reset();
    m_running = true;
    m_app.runDueTimers();
    m_running = false;
    reschedule();
}

} // namespace qtshell
