#pragma once

// Small fixture screens for the frame's tests. Every handler of a probe
// screen writes "Screen.handler" (plus a detail: the key code, the tick's
// virtual time) into a log shared by the whole test, then runs the hook the
// test gave that handler. A test can so state what ran, in which order and
// nested in what, and make any handler do what the case needs.

#include "app/Application.h"
#include "app/Screen.h"
#include "app/Shell.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace testing_support {

using Log = std::vector<std::string>;

class ProbeScreen : public app::Screen {
public:
    ProbeScreen(app::Application& application, const app::ScreenDesc& desc, Log& log)
        : Screen(application, desc)
        , m_log(log)
    {
    }

    // Hooks are plain members: like a screen's own variables they outlive
    // every unload and restart.
    void hook(std::string_view handler, std::function<void()> run) { m_hooks[std::string(handler)] = std::move(run); }

protected:
    void note(std::string_view handler, const std::string& detail = {})
    {
        std::string entry = std::string(name()) + "." + std::string(handler);
        if (!detail.empty())
            entry += " " + detail;
        m_log.push_back(std::move(entry));
        const auto it = m_hooks.find(handler);
        if (it == m_hooks.end())
            return;
        const auto run = it->second; // a hook may replace itself while it runs
        run();
    }
    void noteKey(std::int16_t keyCode) { note("Form_KeyDown", std::to_string(keyCode)); }
    void noteTick(std::string_view handler) { note(handler, "@" + std::to_string(application().clock().nowMs())); }

private:
    Log& m_log;
    std::map<std::string, std::function<void()>, std::less<>> m_hooks;
};

// Writes what the frame tells the toolkit into the same log, so that a test
// sees windows created, shown and destroyed in order with the handlers.
class RecordingShell final : public app::Shell {
public:
    explicit RecordingShell(Log& log)
        : m_log(log)
    {
    }

    void screenLoaded(app::Screen& screen) override { m_log.push_back("load " + std::string(screen.name())); }
    void screenUnloading(app::Screen& screen) override { m_log.push_back("unload " + std::string(screen.name())); }
    void screenShown(app::Screen& screen) override { m_log.push_back("show " + std::string(screen.name())); }
    void screenHidden(app::Screen& screen) override { m_log.push_back("hide " + std::string(screen.name())); }
    void focusChanged(app::Screen&) override {}
    void eventDelivered() override {}
    void ended() override { m_log.push_back("ended"); }

private:
    Log& m_log;
};

inline std::string focusName(const app::Screen& screen)
{
    const app::Button* focused = screen.focusedButton();
    return focused ? std::string(focused->name()) : "none";
}

// The frame on a manual clock, its shell recording into the same log as
// the probe screens: the ground that lifecycle and End tests stand on.
// A test's own world adds its screens as members after these.
struct RecordedWorld {
    RecordedWorld() { app.setShell(&shell); }

    void wait(std::int64_t ms) { app::runFor(app, clock, ms); }
    void click(app::Screen& screen, std::string_view widget) { app.click(*screen.find(widget)); }

    app::ManualClock clock;
    app::Application app{clock};
    Log log;
    RecordingShell shell{log};
};

} // namespace testing_support
