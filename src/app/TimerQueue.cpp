#include "app/TimerQueue.h"

#include "app/Widgets.h"

#include <algorithm>

namespace app {

void TimerQueue::arm(const Timer& timer, std::int64_t nowMs)
{
    const std::int64_t interval = std::max(1, timer.interval());
    m_entries.push_back({&timer, nowMs + interval, interval, m_nextSerial++});
}

void TimerQueue::disarm(const Timer& timer)
{
    std::erase_if(m_entries, [&](const Entry& e) { return e.timer == &timer; });
}

bool TimerQueue::isArmed(const Due& due) const
{
    return std::any_of(m_entries.begin(), m_entries.end(),
                       [&](const Entry& e) { return e.timer == due.timer && e.serial == due.serial; });
}

std::optional<std::int64_t> TimerQueue::nextDue() const
{
    if (m_entries.empty())
        return std::nullopt;
    return std::min_element(m_entries.begin(), m_entries.end(),
                            [](const Entry& a, const Entry& b) { return a.dueAt < b.dueAt; })
        ->dueAt;
}

void TimerQueue::takeDue(std::int64_t nowMs, std::vector<Due>& out)
{
    out.clear();
    for (Entry& e : m_entries) {
        if (e.dueAt > nowMs)
            continue;
        out.push_back({e.timer, e.serial, e.dueAt});
        e.dueAt += ((nowMs - e.dueAt) / e.intervalMs + 1) * e.intervalMs;
    }
    // Serials grow with each arming, so they order ties by arming.
    std::sort(out.begin(), out.end(), [](const Due& a, const Due& b) {
        return a.dueAt != b.dueAt ? a.dueAt < b.dueAt : a.serial < b.serial;
    });
}

} // namespace app
