#pragma once

// Lets the toolkit's event loop run for a while, as the program's own loop
// would: timers, input and paints all go on meanwhile.

#include <QEventLoop>
#include <QTimer>

#include <chrono>

namespace bench {

inline void runEventLoopFor(std::chrono::milliseconds duration)
{
    QEventLoop loop;
    QTimer::singleShot(duration, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace bench
