#pragma once

// The real program in the benchmark's own process: the six screens, the
// steady clock, the Qt shell, driven through the frame's entry points the
// way a player's clicks would drive them. Targets come from the program's
// own unseeded source, counted: tim1 draws exactly one value per tick, so
// the count of draws is the count of ticks delivered to it.

#include "app/Application.h"
#include "app/Clock.h"
#include "app/qt/QtShell.h"
#include "game/RandomSource.h"

#include <cstdint>
#include <string_view>

namespace bench {

class CountingRandom final : public game::RandomSource {
public:
    float next() override
    {
        ++m_draws;
        return m_source.next();
    }
    std::uint64_t draws() const { return m_draws; }

private:
    game::UnseededRandom m_source;
    std::uint64_t m_draws = 0;
};

class LiveProgram {
public:
    // Needs a QApplication, created after QtShell::prepareToolkit() as the
    // program creates it.
    LiveProgram();

    // Title screen, level 1, OK, START, then the keyboard button: the ready
    // screen is up with the keyboard window beside it and tim1 drawing.
    void toReadyScreenWithKeyboard();
    void click(std::string_view screen, std::string_view widget);

    app::Application& app() { return m_app; }
    qtshell::QtShell& shell() { return m_shell; }
    std::uint64_t ticks() const { return m_random.draws(); }

private:
    app::SteadyClock m_clock;
    app::Application m_app{m_clock};
    CountingRandom m_random;
    qtshell::QtShell m_shell{m_app, m_clock};
};

} // namespace bench
