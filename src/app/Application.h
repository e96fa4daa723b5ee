#pragma once

// The frame: a registry of screens and one event loop's worth of rules.
//
// Every event enters through one of the entry points below and is
// delivered to its handler, which runs to its end before the next event;
// load and Change handlers run nested inside the operation that raises
// them. Keys go to the active screen only: first to its KeyDown handler
// when KeyPreview is on, then to its focused button (Space, Enter), Tab
// moves the focus, Alt with an access key presses that button. Disabled
// buttons and hidden widgets get nothing. Ticks are delivered only between
// events, each armed timer at most once per call of runDueTimers, so the
// loop's caller can let input in between. End unwinds the running handler;
// after it no handler runs and every entry point does nothing. A failure
// escaping a handler abandons that handler only.
//
// Windows and widgets of an unloaded screen are kept until the outermost
// event returns, because the unload may come from one of their own
// handlers (a restart from a click, the game screen unloading itself).

#include "app/Clock.h"
#include "app/Screen.h"
#include "app/Shell.h"
#include "app/TimerQueue.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace app {

// Bit mask of the KeyDown Shift parameter.
enum ShiftMask : std::int16_t { kShiftKey = 1, kCtrlKey = 2, kAltKey = 4 };

// Key codes the frame itself gives meaning to.
inline constexpr std::int16_t kKeyTab = 9;
inline constexpr std::int16_t kKeyEnter = 13;
inline constexpr std::int16_t kKeySpace = 32;

class Application {
public:
    explicit Application(Clock& clock);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    template <class S, class... Args>
    S& add(Args&&... args)
    {
        auto screen = std::make_unique<S>(*this, std::forward<Args>(args)...);
        S& ref = *screen;
        m_byName.emplace(ref.name(), &ref);
        m_screens.push_back(std::move(screen));
        return ref;
    }

    Screen& screen(std::string_view name) const;
    std::span<const std::unique_ptr<Screen>> screens() const { return m_screens; }
    Clock& clock() const { return m_clock; }
    void setShell(Shell* shell) { m_shell = shell; }
    Shell* shell() const { return m_shell; }

    // Entry points: one event each.
    void start(); // shows the first registered screen
    void keyDown(std::int16_t keyCode, std::int16_t shift = 0);
    void click(Widget& widget);
    void activate(Screen& screen);
    void closeRequested(Screen& screen);
    void runDueTimers();

    std::optional<std::int64_t> nextDue() const { return m_timers.nextDue(); }
    bool ended() const { return m_ended; }
    Screen* active() const { return m_active; }
    // Handlers abandoned because a failure escaped them. The game expects
    // none; tests watch this, since the program itself never reports one.
    int failedHandlers() const { return m_failedHandlers; }

    // Operations for screens.
    [[noreturn]] void End();
    void Restart();

private:
    friend class Screen;
    friend class Timer;

    template <class F>
    void deliver(F&& event);
    void setActive(Screen* screen);
    void bury(std::unique_ptr<Screen::Loaded> loaded);

    Clock& m_clock;
    Shell* m_shell = nullptr;
    std::vector<std::unique_ptr<Screen>> m_screens;
    std::unordered_map<std::string_view, Screen*, NameHash> m_byName;
    TimerQueue m_timers;
    std::vector<TimerQueue::Due> m_due;
    std::vector<std::unique_ptr<Screen::Loaded>> m_graveyard;
    Screen* m_active = nullptr;
    int m_depth = 0;
    int m_failedHandlers = 0;
    bool m_ended = false;
};

// Virtual time for tests and benchmarks: moves the manual clock forward by
// ms, stopping at every moment a tick falls due, as an idle loop would.
void runFor(Application& app, ManualClock& clock, std::int64_t ms);

} // namespace app
