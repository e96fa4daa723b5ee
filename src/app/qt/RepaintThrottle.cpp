#include "app/qt/RepaintThrottle.h"

#include "app/qt/LabelView.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace qtshell {

namespace {

int frameMsOfPrimaryScreen()
{
    constexpr double kFallbackHz = 60.0;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double hz = screen && screen->refreshRate() > 1.0 ? screen->refreshRate() : kFallbackHz;
    return std::max(1, static_cast<int>(std::ceil(1000.0 / hz)));
}

} // namespace

RepaintThrottle::RepaintThrottle(const app::Clock& clock)
    : m_clock(clock)
    , m_frameMs(frameMsOfPrimaryScreen())
{
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { passOn(); });
}

void RepaintThrottle::request(LabelView& view)
{
    m_waiting.emplace_back(&view);
    if (m_timer.isActive())
        return;
    const std::int64_t elapsed = m_lastBatchMs ? m_clock.nowMs() - *m_lastBatchMs : m_frameMs;
    m_timer.start(static_cast<int>(std::clamp<std::int64_t>(m_frameMs - elapsed, 0, m_frameMs)));
}

std::optional<int> RepaintThrottle::scheduledDelayMs() const
{
    if (!m_timer.isActive())
        return std::nullopt;
    return m_timer.interval();
}

void RepaintThrottle::passOn()
{
    m_lastBatchMs = m_clock.nowMs();
    for (const QPointer<LabelView>& view : m_waiting) {
        if (view)
            view->repaintIfChanged();
    }
    m_waiting.clear();
}

} // namespace qtshell
