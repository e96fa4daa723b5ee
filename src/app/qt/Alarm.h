#pragma once

// Wakes the event loop at a moment given to the microsecond.
//
// The toolkit's timers sleep whole milliseconds, rounded up, counted from
// the moment the loop goes to sleep. A timer asked for every millisecond
// therefore drifts through each millisecond and, when it goes to sleep
// just short of one, sleeps through the whole of the next: about one tick
// in ten is lost that way here, and more when the ticks paint. On Linux the
// alarm is a timerfd set for an absolute moment of the monotonic clock,
// which the loop watches like any file; elsewhere a precise toolkit timer,
// rounded up to whole milliseconds, stands in.
//
// An alarm can also keep ringing at a fixed period from its first ring on:
// the system then keeps the schedule itself, and is spared setting a timer
// again at every ring.

#include <chrono>
#include <functional>
#include <memory>

#if defined(__linux__)
class QSocketNotifier;
#else
#include <QTimer>
#endif

namespace qtshell {

class Alarm {
public:
    // Needs a QCoreApplication. onRing runs from the event loop.
    explicit Alarm(std::function<void()> onRing);
    ~Alarm();
    Alarm(const Alarm&) = delete;
    Alarm& operator=(const Alarm&) = delete;

    // Rings delay from now (at once when zero), then every period if one is
    // given; replaces any earlier setting.
    void setIn(std::chrono::microseconds delay, std::chrono::microseconds period = {});
    void cancel();

private:
    void ring();

    std::function<void()> m_onRing;
#if defined(__linux__)
    int m_fd;
    std::unique_ptr<QSocketNotifier> m_notifier;
#else
    QTimer m_timer;
    std::chrono::milliseconds m_period{};
#endif
};

} // namespace qtshell
