#include "app/qt/Alarm.h"

#include <utility>

#if defined(__linux__)
#include <QSocketNotifier>

#include <sys/timerfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <ctime>
#include <system_error>
#endif

namespace qtshell {

#if defined(__linux__)

namespace {

timespec toTimespec(std::chrono::nanoseconds ns)
{
    constexpr std::int64_t kPerSecond = 1'000'000'000;
    return {static_cast<time_t>(ns.count() / kPerSecond), static_cast<long>(ns.count() % kPerSecond)};
}

} // namespace

Alarm::Alarm(std::function<void()> onRing)
    : m_onRing(std::move(onRing))
    , m_fd(timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC))
{
    if (m_fd < 0)
        throw std::system_error(errno, std::generic_category(), "timerfd_create");
    m_notifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(), [this] { ring(); });
}

Alarm::~Alarm()
{
    m_notifier.reset();
    ::close(m_fd);
}

void Alarm::setIn(std::chrono::microseconds delay, std::chrono::microseconds period)
{
    // Absolute, so that the moment does not slip by the time it takes to get
    // here; and never zero, which would disarm the timer instead.
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const std::chrono::nanoseconds at = std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec) + delay;
    const itimerspec setting{.it_interval = toTimespec(period), .it_value = toTimespec(at)};
    timerfd_settime(m_fd, TFD_TIMER_ABSTIME, &setting, nullptr);
}

void Alarm::cancel()
{
    const itimerspec disarmed{};
    timerfd_settime(m_fd, 0, &disarmed, nullptr);
}

void Alarm::ring()
{
    // Setting the timer again clears an expiry that the loop had already
    // seen: then there is nothing to read and the alarm has not rung. A
    // repeating alarm that rang several times unseen rings once.
    std::uint64_t expiries = 0;
    if (::read(m_fd, &expiries, sizeof expiries) != static_cast<ssize_t>(sizeof expiries))
        return;
    m_onRing();
}

#else

Alarm::Alarm(std::function<void()> onRing)
    : m_onRing(std::move(onRing))
{
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { ring(); });
}

Alarm::~Alarm() = default;

void Alarm::setIn(std::chrono::microseconds delay, std::chrono::microseconds period)
{
    m_period = std::chrono::ceil<std::chrono::milliseconds>(period);
    m_timer.setSingleShot(true);
    m_timer.start(std::chrono::ceil<std::chrono::milliseconds>(delay));
}

void Alarm::cancel()
{
    m_timer.stop();
    m_period = {};
}

void Alarm::ring()
{
    // The first ring came after the delay; the period runs from here.
    if (m_period.count() > 0 && m_timer.isSingleShot()) {
        m_timer.setSingleShot(false);
        m_timer.start(m_period);
    }
    m_onRing();
}

#endif

} // namespace qtshell
