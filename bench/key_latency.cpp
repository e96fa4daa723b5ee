// Latency from a key press entering the program to "OK" painted on the game
// screen: real keys through the X server (XTest, by xdotool), the real
// screens and shell in this process, the keyboard window shown.
//
// A question: on the ready screen, wait a little while targets are drawn,
// press Ctrl, wait until the game screen is the active window, read its
// target and press that key 100 ms later. The clock starts when the key
// press reaches its first receiver in the program (the window; the
// benchmark's application-wide filter runs just before the shell's) and
// stops when the paint event of the game screen's lbl3 (OK) has been
// handled, and again when its window's update, which sends the pixels to
// the display, is over.
//
// Usage: bench-key-latency [questions = 200]; needs a display and xdotool.

#include "support/EventLoop.h"
#include "support/LiveProgram.h"
#include "support/Stats.h"

#include "layouts/KeyTable.h"

#include <QApplication>
#include <QKeyEvent>
#include <QProcess>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Notes when the first key press of the answer reaches the program.
class KeyArrival final : public QObject {
public:
    void expect()
    {
        m_at.reset();
        m_expecting = true;
    }
    std::optional<Clock::time_point> at() const { return m_at; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (m_expecting && event->type() == QEvent::KeyPress && watched->isWindowType() &&
            !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
            m_at = Clock::now();
            m_expecting = false;
        }
        return false;
    }

private:
    std::optional<Clock::time_point> m_at;
    bool m_expecting = false;
};

// Notes when one widget has finished handling one kind of event while
// visible: it hands the event to the widget itself, inside the toolkit's
// own delivery (so a paint event still paints into the window's backing
// store), and takes the time when that returns.
class HandledAt final : public QObject {
public:
    HandledAt(QWidget* target, QEvent::Type type)
        : m_type(type)
    {
        target->installEventFilter(this);
    }
    std::optional<Clock::time_point> firstSince(Clock::time_point since) const
    {
        for (const Clock::time_point t : m_times) {
            if (t >= since)
                return t;
        }
        return std::nullopt;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != m_type || !static_cast<QWidget*>(watched)->isVisible())
            return false;
        watched->event(event);
        m_times.push_back(Clock::now());
        return true;
    }

private:
    QEvent::Type m_type;
    std::vector<Clock::time_point> m_times;
};

bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit)
{
    const Clock::time_point until = Clock::now() + limit;
    while (!condition()) {
        if (Clock::now() > until)
            return false;
        bench::runEventLoopFor(1ms);
    }
    return true;
}

void pressThroughX(const std::string& keysym)
{
    QProcess::startDetached(QStringLiteral("xdotool"), {QStringLiteral("key"), QString::fromStdString(keysym)});
}

// The xdotool key name of the key with this caption ("00" is the zero key).
std::string keysymOf(const std::string& caption)
{
    const int index = layouts::keyIndexOfCaption(caption);
    const int code = layouts::kKeys[static_cast<std::size_t>(index)].keyCode;
    return std::string(1, static_cast<char>(code >= 'A' && code <= 'Z' ? code - 'A' + 'a' : code));
}

double msBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

} // namespace

int main(int argc, char** argv)
{
    const int questions = argc > 1 ? std::atoi(argv[1]) : 200;
    qtshell::QtShell::prepareToolkit(); // as the program does
    QApplication toolkit(argc, argv);
    bench::LiveProgram program;
    KeyArrival arrival;
    QCoreApplication::instance()->installEventFilter(&arrival); // after the shell's: runs first
    program.toReadyScreenWithKeyboard();

    app::Screen& ready = program.app().screen("Form4");
    app::Screen& game = program.app().screen("Form3");
    const auto captionOf = [&](std::string_view label) {
        const app::Widget* widget = game.find(label);
        return widget ? static_cast<const app::Label*>(widget)->caption() : std::string();
    };
    const auto isActiveWindow = [&](const app::Screen& screen) {
        const QWidget* window = program.shell().windowOf(screen);
        return window && window->isActiveWindow();
    };

    std::mt19937 pauses(1);
    std::vector<double> toPaint, toDisplay;
    for (int q = 0; q < questions; ++q) {
        if (!waitUntil([&] { return ready.isVisible() && isActiveWindow(ready) && !captionOf("lbl1").empty(); }, 5s)) {
            std::fprintf(stderr, "question %d: the ready screen did not come back\n", q);
            return 1;
        }
        bench::runEventLoopFor(std::chrono::milliseconds(30 + pauses() % 50));
        pressThroughX("ctrl");
        if (!waitUntil([&] { return game.isVisible() && isActiveWindow(game); }, 2s)) {
            std::fprintf(stderr, "question %d: Ctrl did not open the game screen\n", q);
            return 1;
        }
        const std::string target = captionOf("lbl1");
        const HandledAt okPainted(program.shell().viewOf(*game.find("lbl3")), QEvent::Paint);
        const HandledAt windowUpdated(program.shell().windowOf(game), QEvent::UpdateRequest);
        bench::runEventLoopFor(100ms);
        arrival.expect();
        pressThroughX(keysymOf(target));
        const auto done = [&] {
            return arrival.at() && okPainted.firstSince(*arrival.at()) && windowUpdated.firstSince(*arrival.at());
        };
        if (!waitUntil(done, 2s)) {
            std::fprintf(stderr, "question %d: no OK for target %s\n", q, target.c_str());
            return 1;
        }
        toPaint.push_back(msBetween(*arrival.at(), *okPainted.firstSince(*arrival.at())));
        toDisplay.push_back(msBetween(*arrival.at(), *windowUpdated.firstSince(*arrival.at())));
    }
    std::printf("key to OK painted: median %.2f ms, p99 %.2f ms (target < 16.7), max %.2f ms; "
                "to the pixels sent to the display: median %.2f ms, p99 %.2f ms; %d questions\n",
                bench::median(toPaint), bench::quantile(toPaint, 0.99), bench::quantile(toPaint, 1.0),
                bench::median(toDisplay), bench::quantile(toDisplay, 0.99), questions);
    return 0;
}
