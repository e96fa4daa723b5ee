// Long play must leave nothing behind: a thousand restarts, a thousand
// questions, in virtual time. In the sanitizer build LeakSanitizer checks
// every block when the process exits. Without it the test counts for
// itself: this executable replaces the global operator new and delete to
// count live heap blocks, and after the thousandth round the count, like
// the number of widgets of the loaded screens, must be what it was after
// the first rounds, when every screen and container had reached its size.

#include "support/GameDriver.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdlib>
#include <new>

namespace {

std::size_t g_liveBlocks = 0;

} // namespace

void* operator new(std::size_t size)
{
    void* block = std::malloc(size == 0 ? 1 : size);
    if (!block)
        throw std::bad_alloc();
    ++g_liveBlocks;
    return block;
}

void operator delete(void* block) noexcept
{
    if (!block)
        return;
    --g_liveBlocks;
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    operator delete(block);
}

namespace {

using testing_support::GameDriver;

struct Census {
    std::size_t liveBlocks = 0;
    std::size_t widgets = 0;
};

Census census(const GameDriver& d)
{
    Census c;
    for (const auto& screen : d.app.screens())
        c.widgets += screen->widgets().size();
    c.liveBlocks = g_liveBlocks;
    return c;
}

// Plays a round, twice to warm up and then a thousand times more, and
// compares the census after the warm-up with the one at the end.
template <class Round>
void expectNoGrowth(GameDriver& d, Round round)
{
    round(0);
    round(1);
    const Census before = census(d);
    for (int i = 2; i < 1002; ++i)
        round(i);
    const Census after = census(d);
    EXPECT_EQ(after.widgets, before.widgets);
    EXPECT_EQ(after.liveBlocks, before.liveBlocks);
}

TEST(Leaks, AThousandRestartsLeaveNothingBehind)
{
    GameDriver d;
    // Every other game ends on the results screen (fifteen questions of
    // four countdown ticks each), the others on the time-over screen with
    // the miss label blinking; both show the keyboard window on the way.
    expectNoGrowth(d, [&](int round) {
        const bool results = round % 2 == 0;
        d.startGame(results ? 1 : 3);
        d.click("Form4", "Command2");
        if (results) {
            for (int q = 0; q < 15; ++q)
                d.answer("D", 4100);
        } else {
            d.openQuestion("F");
            d.press("G");
            d.wait(1700);
        }
        const char* endScreen = results ? "Form6" : "Form7";
        ASSERT_TRUE(d.screen(endScreen).isVisible()) << "round " << round;
        d.click(endScreen, "ReCmd");
        ASSERT_TRUE(d.screen("Form1").isVisible()) << "round " << round;
    });
}

TEST(Leaks, AThousandQuestionsLeaveNothingBehind)
{
    GameDriver d;
    d.startGame(1);
    d.click("Form4", "Command2");
    d.app.activate(d.screen("Form4"));
    // Answered within 800 ms, a question adds no countdown tick, so the
    // game never ends; each has a miss first, so the blink runs too.
    expectNoGrowth(d, [&](int round) {
        const int target = round % layouts::kKeyCount;
        const auto& key = layouts::kKeys[static_cast<std::size_t>(target)];
        const auto& other = layouts::kKeys[static_cast<std::size_t>((target + 1) % layouts::kKeyCount)];
        d.openQuestion(key.caption);
        d.press(other.keyCode);
        d.wait(300);
        d.press(key.keyCode);
        d.wait(400);
        ASSERT_TRUE(d.screen("Form4").isVisible()) << "round " << round;
    });
    EXPECT_EQ(d.game().CorrectCount, 1002);
    EXPECT_EQ(d.game().MissCount, 1002);
}

} // namespace
