#include "app/qt/TimeDriver.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace qtshell {

TimeDriver::TimeDriver(app::Application& app, const app::Clock& clock)
    : m_app(app)
    , m_clock(clock)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { run(); });
}

void TimeDriver::reschedule()
{
    const std::optional<std::int64_t> due = m_app.nextDue();
    if (m_app.ended() || !due) {
        m_timer.stop();
        return;
    }
    const std::int64_t delay = std::clamp<std::int64_t>(*due - m_clock.nowMs(), 0, std::numeric_limits<int>::max());
    m_timer.start(static_cast<int>(delay));
}

void TimeDriver::stop()
{
    m_timer.stop();
}

std::optional<int> TimeDriver::scheduledDelayMs() const
{
    if (!m_timer.isActive())
        return std::nullopt;
    return m_timer.interval();
}

void TimeDriver::run()
{
    m_app.runDueTimers();
    reschedule();
}

} // namespace qtshell
