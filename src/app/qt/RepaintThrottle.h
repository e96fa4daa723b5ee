#pragma once

// Passes the label views' repaint requests to the toolkit at most once a
// display frame.
//
// A label may change at every tick of a 1 ms timer (the keyboard window
// recolours two key caps for each target drawn), while the display shows
// one frame per refresh; the toolkit itself would paint, and send the
// pixels to the display, after every tick. Requests are gathered and
// passed on together: at once, once the running event is over, when the
// last batch went out a frame or more ago, otherwise when that frame is
// over. A single change is thus painted with no added delay, and a burst
// of changes made in one handler appears all in the same frame.

#include "app/Clock.h"

#include <QPointer>
#include <QTimer>

#include <cstdint>
#include <optional>
#include <vector>

namespace qtshell {

class LabelView;

class RepaintThrottle {
public:
    // Needs a QGuiApplication; the frame is the primary screen's, timed by
    // the frame's clock.
    explicit RepaintThrottle(const app::Clock& clock);
    RepaintThrottle(const RepaintThrottle&) = delete;
    RepaintThrottle& operator=(const RepaintThrottle&) = delete;

    // Asks for view to be repainted, once until it is passed on.
    void request(LabelView& view);

    int frameMs() const { return m_frameMs; }
    // How long the gathered requests were set to wait, while they wait.
    std::optional<int> scheduledDelayMs() const;

private:
    void passOn();

    const app::Clock& m_clock;
    int m_frameMs;
    QTimer m_timer;
    std::optional<std::int64_t> m_lastBatchMs;
    std::vector<QPointer<LabelView>> m_waiting;
};

} // namespace qtshell
