#pragma once

// Plays events against the six real screens in virtual time and checks,
// after every event, what must hold whatever the player does. It watches
// the frame as a toolkit shell would (screens loaded, shown, events
// delivered, property writes) and keeps its own account of the game: which
// keys were judged, right or wrong, from the key presses and the game
// screen's state before each press. When an END ends the program it checks
// that nothing runs any more, then starts a fresh program and goes on.
//
// The invariants, with the reasons they hold:
// - no failure escapes a handler, and no step of an error-ignoring handler
//   is skipped: the game's steps never fail;
// - the active screen is shown, a shown screen is loaded;
// - CorrectCount and MissCount stay in 0..32767 and equal the judged keys
//   counted since the game's first judged key; ElapsedSeconds stays in 0..60;
// - the ready screen shows both counts once a key was judged since it was
//   loaded, and its layout's "0" before;
// - a hit shows "OK", stops judging keys, stops the blink and starts the
//   pause; a miss starts the blink and leaves the question open;
// - the target timer is off while the game screen is shown: both ways of
//   showing it stop the timer first, and only a hidden game screen starts it;
// - the keyboard window's keys are all button face until a target is
//   written, then exactly the target's key is red;
// - at the end of the event that opens the results or the time-over screen
//   every game-screen timer is off. While the results screen is up nothing
//   can reach the hidden game screen, so they stay off and the game clock
//   stays at 0. Under the time-over screen the game screen may still be
//   shown and judge keys: a miss may restart the blink, and a hit leads back
//   to the ready screen from which the game goes on, so from that hit on the
//   design allows any timer; until then the game clock stands still;
// - the game screen is never left unloaded: an event that unloads it (the
//   end of the pause after a hit, a restart) loads it again, hidden, with
//   its layout values: key preview on, no target, every timer off but the
//   target timer, which runs unless the title screen's load stopped it;
// - the results screen shows the counts the ready screen showed, the
//   accuracy computed here and the rating for the correct count;
// - input the player cannot give changes nothing: a click on a widget of
//   a hidden screen, a hidden label or a disabled button, the activation or
//   the close box of a window that is not shown;
// - after End no event is delivered and nothing changes.

#include "support/GameDriver.h"
#include "support/PlayEvent.h"

#include "app/Shell.h"
#include "app/Widgets.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace testing_support {

// How often play reached each place; a run prints them at its end.
struct PlayCoverage {
    long events = 0;
    long programs = 0;
    long gamesStarted = 0;
    long questions = 0;
    long hits = 0;
    long misses = 0;
    long resultsScreens = 0;
    long timeOvers = 0;
    long restarts = 0;
    long ends = 0;
    long hitsAfterTimeOver = 0;
    long resultsOverTimeOver = 0;
    long countsAtLimit = 0;

    void print(std::ostream& out) const;
};

struct PlayFailure {
    std::string invariant; // a short name: shrinking keeps failures of the same name
    std::string detail;
    std::size_t eventIndex = 0; // among the events this session played
};

class PlaySession final : private app::Shell {
public:
    explicit PlaySession(PlayCoverage* coverage = nullptr);
    PlaySession(const PlaySession&) = delete;
    PlaySession& operator=(const PlaySession&) = delete;
    ~PlaySession();

    // Plays one event and checks every invariant after it. Returns false
    // once an invariant failed; the session then plays nothing more.
    bool play(const PlayEvent& event);

    GameDriver& driver() { return *m_driver; }
    const std::optional<PlayFailure>& failure() const { return m_failure; }
    long programsStarted() const { return m_coverage->programs; }

private:
    enum class AfterTimeOver { Free, Stopped, Missed };
    enum class EndScreen { None, Results, TimeOver };

    // Counts every property write; on the game screen's target label it
    // also notes a new target, which the keyboard window must light once
    // the write's Change has run.
    class WriteWatch final : public app::WidgetView {
    public:
        WriteWatch(PlaySession& session, bool target)
            : m_session(session)
            , m_target(target)
        {
        }
        void propertyChanged(app::Property property) override;

    private:
        PlaySession& m_session;
        bool m_target;
    };

    // Playing.
    void startProgram();
    void apply(const PlayEvent& e);
    void click(app::Widget& widget);
    void window(PlayAction action, app::Screen& screen);
    template <class Deliver>
    void deliverImpossible(bool impossible, const std::string& what, Deliver deliver);
    void pressKey(const PlayEvent& e);

    // Invariants (PlaySessionChecks.cpp).
    void fail(std::string invariant, std::string detail);
    void checkState();
    void checkJudged(bool correct);
    void checkReadyCounts();
    void checkKeyboard();
    void checkGameTimersAfterTheEnd();
    void checkGameScreenReloaded();
    void checkEndScreenJustShown(bool results);
    void checkNothingRunsAfterEnd();
    std::vector<std::string> snapshot() const;
    std::string gameTimersOn() const;
    std::string counts() const;
    std::pair<std::string, std::string> shownCounts() const;

    // Widgets are looked up without loading their screen: a check must
    // not change what it checks.
    static const app::Label* labelOf(const app::Screen& screen, std::string_view name, int index = -1);
    static std::string captionOf(const app::Screen& screen, std::string_view name);
    static std::string_view captionOfKey(int index);

    // What the frame tells a shell.
    void screenLoaded(app::Screen& screen) override;
    void screenUnloading(app::Screen& screen) override;
    void screenShown(app::Screen& screen) override;
    void screenHidden(app::Screen& screen) override;
    void focusChanged(app::Screen& screen) override;
    void eventDelivered() override;
    void ended() override;

    PlayCoverage m_ownCoverage;
    PlayCoverage* m_coverage;
    std::unique_ptr<GameDriver> m_driver;
    app::Screen* m_form2 = nullptr;
    app::Screen* m_form3 = nullptr;
    app::Screen* m_form4 = nullptr;
    app::Screen* m_form6 = nullptr;
    app::Screen* m_form7 = nullptr;
    WriteWatch m_writeWatch{*this, false};
    WriteWatch m_targetWatch{*this, true};

    std::optional<PlayFailure> m_failure;
    std::size_t m_eventIndex = 0;
    std::uint64_t m_skippedSteps = 0;
    long m_deliveries = 0; // events the frame delivered or ended on
    long m_changes = 0;    // property writes, loads, unloads, shows, hides, focus moves

    // The game as judged here.
    int m_expectedCorrect = 0;
    int m_expectedMisses = 0;
    bool m_judgedSinceReadyLoad = false;
    std::optional<int> m_redKey;
    std::optional<int> m_targetWritten;
    AfterTimeOver m_afterTimeOver = AfterTimeOver::Free;
    std::int16_t m_elapsedAtTimeOver = 0;
    bool m_gameShown = false;
    int m_titleLoads = 0;

    // What happened within the event being delivered.
    EndScreen m_endScreenShown = EndScreen::None;
    bool m_gameUnloadedInEvent = false;
    bool m_titleLoadedInEvent = false;
};

} // namespace testing_support
