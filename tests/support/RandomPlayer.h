#pragma once

// Chooses the next events of a random play session from what the program
// shows: mostly what a player would do next on that screen, so that every
// screen is reached often, mixed with anything at all the frame can
// receive. On the title screen it picks a level (mostly level 1, whose
// questions leave the most time, so that games last to the results); on
// the ready screen it presses Ctrl (with any Shift, Ctrl and Alt) once a
// target was drawn; in a question it plans when to answer, mostly within
// the level's limit; on an end screen it mostly restarts, sometimes ends.
// The same seed gives the same events on every machine.

#include "support/GameDriver.h"
#include "support/PlayEvent.h"

#include <cstdint>
#include <random>
#include <string_view>
#include <vector>

namespace testing_support {

class RandomPlayer {
public:
    explicit RandomPlayer(std::uint64_t seed)
        : m_engine(seed)
    {
    }

    // Appends the next events: one, or a key held down (the same key many
    // times in a row).
    void next(GameDriver& d, std::vector<PlayEvent>& out);

private:
    // Uniform enough in 0..n-1, and unlike the standard distributions the
    // same sequence with every standard library.
    int below(int n) { return static_cast<int>(m_engine() % static_cast<std::uint64_t>(n)); }
    bool chance(int percent) { return below(100) < percent; }
    int anyMask() { return below(8); }
    int anyKeyIndex() { return below(layouts::kKeyCount); }
    static int codeOfKey(int index) { return layouts::kKeys[static_cast<std::size_t>(index)].keyCode; }

    PlayEvent click(GameDriver& d, std::string_view screen, std::string_view widget);
    app::Screen& randomScreen(GameDriver& d, bool shownOnly);
    PlayEvent randomWait();
    void repeated(PlayEvent key, int times, std::vector<PlayEvent>& out);

    void onTitle(GameDriver& d, std::vector<PlayEvent>& out);
    void onReady(GameDriver& d, std::vector<PlayEvent>& out);
    void planAnswer(GameDriver& d);
    void inQuestion(GameDriver& d, std::vector<PlayEvent>& out);
    void inPause(std::vector<PlayEvent>& out);
    void onEndScreen(GameDriver& d, std::vector<PlayEvent>& out);
    void anything(GameDriver& d, std::vector<PlayEvent>& out);

    std::mt19937_64 m_engine;
    bool m_planned = false;
    std::int64_t m_answerAt = 0;
};

} // namespace testing_support
