#pragma once

// Plays the whole program in virtual time: the six real screens on a
// manual clock, with a random source that draws the key a test asks for.

#include "app/Application.h"
#include "game/Form3.h"
#include "layouts/KeyTable.h"
#include "screens/Screens.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace testing_support {

// Draws the same key every time until told otherwise; or, wandering, a
// different key at every draw, as a real source mostly does.
class ChosenKeys final : public game::RandomSource {
public:
    void draw(int keyIndex)
    {
        m_index = keyIndex;
        m_wander = false;
    }
    void wander() { m_wander = true; }
    float next() override
    {
        if (m_wander)
            m_index = (m_index + 7) % layouts::kKeyCount;
        return (static_cast<float>(m_index) + 0.5f) / layouts::kKeyCount;
    }

private:
    int m_index = 0;
    bool m_wander = false;
};

inline constexpr std::int16_t kCtrl = 17;

class GameDriver {
public:
    GameDriver() { screens::addAll(app, keys); }

    app::ManualClock clock;
    app::Application app{clock};
    ChosenKeys keys;

    app::Screen& screen(std::string_view name) { return app.screen(name); }
    game::Form3& game() { return static_cast<game::Form3&>(app.screen("Form3")); }
    std::string caption(std::string_view screenName, std::string_view label, int index = -1)
    {
        return screen(screenName).label(label, index).caption();
    }

    void wait(std::int64_t ms) { app::runFor(app, clock, ms); }
    void press(int keyCode, std::int16_t shift = 0) { app.keyDown(static_cast<std::int16_t>(keyCode), shift); }
    void press(std::string_view caption) { press(keyCodeOf(caption)); }
    void click(std::string_view screenName, std::string_view widget) { app.click(*screen(screenName).find(widget)); }

    // Title screen to ready screen at the given level (1 to 3).
    void startGame(int level)
    {
        if (!app.active())
            app.start();
        click("Form1", "cmd" + std::to_string(level));
        click("Form1", "cmdok");
        click("Form1", "cmd4");
    }

    // From the ready screen: draw the key, wait a little, press Ctrl.
    void openQuestion(std::string_view target)
    {
        keys.draw(indexOf(target));
        wait(5);
        press(kCtrl);
    }

    // A question answered after thinkMs, then the pause back to the ready screen.
    void answer(std::string_view target, std::int64_t thinkMs)
    {
        openQuestion(target);
        wait(thinkMs);
        press(target);
        wait(200);
    }

    static int indexOf(std::string_view caption)
    {
        for (const auto& key : layouts::kKeys)
            if (key.caption == caption)
                return key.index;
        return -1;
    }
    static int keyCodeOf(std::string_view caption) { return layouts::kKeys[static_cast<std::size_t>(indexOf(caption))].keyCode; }

    // How many keys the keyboard window shows in red (none while it is unloaded).
    int redKeys() const
    {
        int red = 0;
        for (int i = 0; i < layouts::kKeyCount; ++i) {
            const auto* key = static_cast<const app::Label*>(app.screen("Form2").find("Label1", i));
            red += key && key->backColor() == 0xFF ? 1 : 0;
        }
        return red;
    }
};

} // namespace testing_support
