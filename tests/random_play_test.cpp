// Random play: a million random events against the six real screens in
// virtual time, with every invariant of PlaySession checked after each.
// Seeded and reproducible: TEKURAN_SEED sets the seed, TEKURAN_EVENTS the
// number of events. A failure prints its seed and the shortest event list
// that still fails, ready to paste into the regression table below.

#include "support/PlayReplay.h"
#include "support/PlaySession.h"
#include "support/RandomPlayer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace testing_support;

constexpr std::uint64_t kDefaultSeed = 20250101;
constexpr std::uint64_t kDefaultEvents = 1'000'000;

std::uint64_t fromEnvironment(const char* name, std::uint64_t fallback)
{
    const char* text = std::getenv(name);
    if (!text || !*text)
        return fallback;
    char* end = nullptr;
    const std::uint64_t value = std::strtoull(text, &end, 10);
    if (*end != '\0') {
        ADD_FAILURE() << name << " is not a number: " << text;
        return fallback;
    }
    return value;
}

TEST(RandomPlay, EveryInvariantHoldsThroughRandomPlay)
{
    const std::uint64_t seed = fromEnvironment("TEKURAN_SEED", kDefaultSeed);
    const std::uint64_t total = fromEnvironment("TEKURAN_EVENTS", kDefaultEvents);
    std::cout << "[ random   ] TEKURAN_SEED=" << seed << " TEKURAN_EVENTS=" << total << std::endl;

    PlayCoverage coverage;
    PlaySession session(&coverage);
    RandomPlayer player(seed);
    // Each program starts afresh, so a failure needs no event from before
    // the program it happened in.
    std::vector<PlayEvent> program;
    std::vector<PlayEvent> next;
    while (static_cast<std::uint64_t>(coverage.events) < total && !session.failure()) {
        next.clear();
        player.next(session.driver(), next);
        for (const PlayEvent& e : next) {
            program.push_back(e);
            const long programs = session.programsStarted();
            if (!session.play(e))
                break;
            if (session.programsStarted() != programs)
                program.clear();
        }
    }
    coverage.print(std::cout);

    if (const std::optional<PlayFailure> failure = session.failure()) {
        std::cout << "[ random   ] failed at event " << failure->eventIndex << " of seed " << seed << ": "
                  << failure->invariant << ": " << failure->detail << "\n"
                  << "[ random   ] shrinking " << program.size() << " events..." << std::endl;
        const std::vector<PlayEvent> shortest = shrink(program, failure->invariant);
        const std::optional<PlayFailure> again = replay(shortest);
        FAIL() << "seed " << seed << ": " << failure->invariant << "\nshortest failing list (" << shortest.size()
               << " events), failing with: " << (again ? again->detail : "?") << "\n"
               << pasteable("seed " + std::to_string(seed) + ": " + failure->invariant, shortest);
    }
    if (total >= 100'000) {
        // Guards the mix itself: a player that stops reaching a screen tests nothing there.
        for (long counter : {coverage.gamesStarted, coverage.questions, coverage.hits, coverage.misses,
                             coverage.resultsScreens, coverage.timeOvers, coverage.restarts, coverage.ends})
            EXPECT_GT(counter, 0);
    }
}

// Event lists found by random play, and paths it reaches only rarely,
// replayed with every invariant checked after each event.
struct Regression {
    const char* name;
    std::vector<const char*> events;
};

const Regression kRegressions[] = {
    // A close request for a screen that is no longer shown (queued before a
    // handler hid or unloaded it) ended the program or loaded the screen.
    {"close request for the unloaded results screen", {"close Form6"}},
    {"close request for the unloaded keyboard window", {"close Form2"}},
    {"close request for the title screen hidden during a game",
     {"click Form1.cmd1", "click Form1.cmdok", "click Form1.cmd4", "close Form1", "wait 10", "key 17"}},
    // Rare paths: the player answers on the game screen left under the
    // time-over screen, and the next question runs out again, on a time-over
    // screen that is already loaded.
    {"a game goes on after a time-over and runs out again",
     {"key 51 Alt", "click Form1.cmdok", "key 65 Alt", "draw N", "wait 1", "key 17", "wait 2144",
      "click Form3.Label1(4)", "key 78", "wait 202", "key 17", "wait 2597"}},
    {"the keyboard window opened before the first target is drawn",
     {"click Form1.cmd2", "click Form1.cmdok", "click Form1.cmd4", "click Form4.Command2", "draw Q", "wait 1",
      "key 17", "key 81", "wait 200", "activate Form2", "key 17", "activate Form4", "key 17"}},
};

TEST(RandomPlay, RegressionListsKeepEveryInvariant)
{
    for (const Regression& row : kRegressions) {
        SCOPED_TRACE(row.name);
        std::vector<PlayEvent> events;
        for (const char* text : row.events)
            events.push_back(parsePlayEvent(text));
        const std::optional<PlayFailure> failure = replay(events);
        EXPECT_FALSE(failure) << failure->invariant << " at event " << failure->eventIndex << ": " << failure->detail;
    }
}

TEST(RandomPlay, ShrinkingKeepsOnlyWhatTheFailureNeeds)
{
    // A stand-in for the program: it "fails" once it has seen a draw of K,
    // later a wait of at least 100 ms, later Ctrl, whatever the mask.
    const Replayer fake = [](const std::vector<PlayEvent>& events) -> std::optional<PlayFailure> {
        int stage = 0;
        for (std::size_t i = 0; i < events.size(); ++i) {
            const std::string text = toText(events[i]);
            const bool longWait = events[i].action == PlayAction::Wait && events[i].ms >= 100;
            if ((stage == 0 && text == "draw K") || (stage == 1 && longWait))
                ++stage;
            else if (stage == 2 && events[i].action == PlayAction::Key && events[i].keyCode == kCtrl)
                return PlayFailure{"fake", "", i};
        }
        return std::nullopt;
    };
    std::vector<PlayEvent> events;
    for (int i = 0; i < 60; ++i) {
        for (const char* filler : {"key 65 Shift", "click Form4.lbl2", "draw A", "activate Form3", "key 17 Alt"})
            events.push_back(parsePlayEvent(filler));
        if (i == 20)
            events.push_back(parsePlayEvent("draw K"));
        if (i == 30)
            events.push_back(parsePlayEvent("wait 800"));
    }
    ASSERT_TRUE(fake(events));

    std::vector<std::string> shortest;
    for (const PlayEvent& e : shrink(events, "fake", fake))
        shortest.push_back(toText(e));
    EXPECT_EQ(shortest, (std::vector<std::string>{"draw K", "wait 100", "key 17"}));
    EXPECT_EQ(pasteable("fake", shrink(events, "fake", fake)),
              "    {\"fake\",\n     {\"draw K\",\n      \"wait 100\",\n      \"key 17\"}},\n");
}

TEST(RandomPlay, EventTextRoundTripsAndRejectsGarbage)
{
    for (const char* text : {"key 65", "key 17 Ctrl", "key 0 Shift+Ctrl+Alt", "key 255 Alt", "click Form4.lbl2",
                             "click Form2.Label1(0)", "click Form3.Label1(35)", "activate Form3", "close Form2",
                             "wait 0", "wait 3000", "draw 00", "draw K", "wander"})
        EXPECT_EQ(toText(parsePlayEvent(text)), text);
    for (const char* text : {"key", "key 256", "key 65 Meta", "key A", "click Form5.lbl2", "click Form4.nothing",
                             "click Form2.Label1(36)", "click Form2.Label1", "activate Form0", "wait -1", "draw 0",
                             "wander 1", "jump 3"})
        EXPECT_THROW(parsePlayEvent(text), std::invalid_argument) << text;
}

} // namespace
