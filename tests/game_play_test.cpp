// Whole games and single questions, played in virtual time.

#include "support/GameDriver.h"

#include <gtest/gtest.h>

namespace {

using testing_support::GameDriver;
using testing_support::kCtrl;

struct Fixture : ::testing::Test {
    GameDriver d;

    bool shown(std::string_view name) { return d.screen(name).isVisible(); }
    std::string slbl() { return d.caption("Form4", "Slbl"); }
    std::string mlbl() { return d.caption("Form4", "Mlbl"); }
};

using GamePlay = Fixture;

TEST_F(GamePlay, LevelOneGameEndsOnResultsWithWhatWasJudged)
{
    d.startGame(1);
    // Each question: one wrong key, then the right one 2500 ms in, so each
    // adds two countdown ticks and the 30th runs out before its answer.
    int questions = 0;
    while (!shown("Form6") && questions < 100) {
        d.openQuestion("K");
        d.press("J");
        d.wait(2500);
        if (shown("Form6"))
            break;
        d.press("K");
        d.wait(200);
        ++questions;
    }
    EXPECT_EQ(questions, 29);
    EXPECT_EQ(d.caption("Form6", "Lbl6"), "29");
    EXPECT_EQ(d.caption("Form6", "Lbl7"), "30");
    EXPECT_EQ(d.caption("Form6", "Lbl8"), "49.1525423728814");
    EXPECT_EQ(d.caption("Form6", "Lbl1"), "まだまだですね！がんばって！！");
    EXPECT_FALSE(shown("Form3"));
    EXPECT_FALSE(shown("Form4"));
    for (const char* t : {"Mtim1", "tim1", "tim2", "Tim3", "Tim4", "Tim5", "Tim6"})
        EXPECT_FALSE(d.screen("Form3").timer(t).enabled()) << t;
}

TEST_F(GamePlay, SixtyQuickAnswersRateGreat)
{
    d.startGame(2);
    // Answered at 900 ms, the first tick falls in the pause: one tick each.
    for (int q = 0; q < 60 && !shown("Form6"); ++q)
        d.answer("A", 900);
    ASSERT_TRUE(shown("Form6"));
    EXPECT_EQ(d.caption("Form6", "Lbl6"), "60");
    EXPECT_EQ(d.caption("Form6", "Lbl8"), "100");
    EXPECT_EQ(d.caption("Form6", "Lbl1"), "おぉ！グレート！！");
    EXPECT_FALSE(shown("Form4")) << "the pause was stopped by the results screen";
}

TEST_F(GamePlay, ThreeMissesThenAHitCountBoth)
{
    d.startGame(1);
    d.openQuestion("Q");
    for (const char* wrong : {"W", "E", "1"})
        d.press(wrong);
    EXPECT_EQ(mlbl(), "3");
    d.press("Q");
    EXPECT_EQ(slbl(), "1");
    EXPECT_EQ(d.game().MissCount, 3);
    EXPECT_EQ(d.game().CorrectCount, 1);
}

TEST_F(GamePlay, KeysAreJudgedByCodeWhateverShiftAndOnlyTableKeysCount)
{
    struct Row {
        const char* what;
        int keyCode;
        std::int16_t shift;
        const char* target;
        bool correct;
        bool counted;
    };
    const Row rows[] = {
        {"letter", 'A', 0, "A", true, true},
        {"letter with Shift", 'A', 1, "A", true, true},
        {"zero key answers 00", '0', 0, "00", true, true},
        {"letter O is not 00", 'O', 0, "00", false, true},
        {"digit with Shift", '1', 1, "1", true, true},
        {"keypad 1 is no key", 97, 0, "1", false, false},
        {"Space is no key", 32, 0, "A", false, false},
        {"Ctrl is no key", kCtrl, 0, "A", false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        GameDriver g;
        g.startGame(1);
        g.openQuestion(row.target);
        g.press(row.keyCode, row.shift);
        EXPECT_EQ(g.caption("Form4", "Slbl"), row.correct ? "1" : "0");
        EXPECT_EQ(g.caption("Form4", "Mlbl"), row.counted && !row.correct ? "1" : "0");
        EXPECT_EQ(g.screen("Form3").label("lbl3").visible(), row.correct);
    }
}

TEST_F(GamePlay, MissLabelBlinksEvery100msUntilTheHit)
{
    d.startGame(1);
    d.openQuestion("Z");
    d.press("X");
    const auto miss = [&]() -> app::Label& { return d.screen("Form3").label("lbl4"); };
    EXPECT_FALSE(miss().visible());
    d.wait(100);
    EXPECT_TRUE(miss().visible());
    d.wait(50);
    d.press("C"); // a further miss keeps the rhythm
    d.wait(50);
    EXPECT_FALSE(miss().visible());
    d.wait(100);
    EXPECT_TRUE(miss().visible());
    d.press("Z");
    d.wait(150);
    EXPECT_TRUE(miss().visible()) << "the hit stops the blink where it is";
}

TEST_F(GamePlay, KeysDuringThePauseAreNotJudged)
{
    d.startGame(1);
    d.openQuestion("M");
    d.press("M");
    d.wait(100);
    d.press("M");
    d.press("N");
    d.wait(100);
    EXPECT_EQ(slbl(), "1");
    EXPECT_EQ(mlbl(), "0");
    EXPECT_TRUE(shown("Form4"));
    EXPECT_FALSE(shown("Form3"));
}

TEST_F(GamePlay, AfterThePauseTheGameScreenIsReloadedAndDrawingAgain)
{
    d.startGame(1);
    d.openQuestion("P");
    d.press("Q");
    d.press("P");
    d.wait(200);
    app::Screen& game = d.screen("Form3");
    EXPECT_TRUE(game.isLoaded());
    EXPECT_FALSE(game.isVisible());
    EXPECT_TRUE(game.keyPreview());
    EXPECT_FALSE(game.label("lbl3").visible());
    EXPECT_FALSE(game.label("lbl4").visible());
    EXPECT_EQ(game.label("Hlbl1").caption(), "");
    EXPECT_EQ(game.label("lbl15").caption(), "");
    EXPECT_EQ(game.label("Label1", 19).caption(), "P");
    EXPECT_TRUE(game.timer("tim1").enabled());
    d.keys.draw(d.indexOf("T"));
    d.wait(1);
    EXPECT_EQ(game.label("lbl1").caption(), "T");
}

TEST_F(GamePlay, QuestionOpenedBeforeTheFirstDrawHasNoTarget)
{
    d.startGame(1);
    d.press(kCtrl); // same moment as START: tim1 has not ticked yet
    EXPECT_EQ(d.caption("Form3", "lbl1"), "");
    EXPECT_EQ(d.redKeys(), 0);
    for (const auto& key : layouts::kKeys)
        d.press(key.keyCode);
    EXPECT_EQ(mlbl(), "36");
    EXPECT_EQ(slbl(), "0");
    d.wait(5000);
    EXPECT_TRUE(shown("Form7"));
}

TEST_F(GamePlay, KeyboardWindowShowsExactlyOneRedKeyOnceATargetWasDrawn)
{
    d.startGame(3);
    EXPECT_FALSE(d.screen("Form2").isLoaded());
    for (const auto& key : layouts::kKeys) {
        d.keys.draw(key.index);
        d.wait(1);
        ASSERT_EQ(d.redKeys(), 1) << key.caption;
        const auto& cap = d.screen("Form2").label("Label1", key.index);
        EXPECT_EQ(cap.backColor(), 0xFFu) << key.caption;
    }
    d.openQuestion("G");
    d.press("H");
    EXPECT_EQ(d.redKeys(), 1);
    EXPECT_EQ(d.screen("Form2").label("Label1", d.indexOf("G")).backColor(), 0xFFu);
    EXPECT_FALSE(d.screen("Form2").isVisible());
}

TEST_F(GamePlay, CountsStopAtTheLargest16BitValue)
{
    d.startGame(1);
    d.keys.draw(d.indexOf("A"));
    d.wait(5);
    d.click("Form4", "lbl2"); // a question with no limit
    for (int i = 0; i < 33000; ++i)
        d.press("S");
    EXPECT_EQ(d.game().MissCount, 32767);
    EXPECT_EQ(mlbl(), "32767");
    d.press("A");
    d.wait(200);
    // Play on to the results: the total of both counts passes 32767.
    for (int q = 0; q < 60 && !shown("Form6"); ++q)
        d.answer("A", 900);
    ASSERT_TRUE(shown("Form6"));
    EXPECT_EQ(d.caption("Form6", "Lbl7"), "32767");
    EXPECT_EQ(d.caption("Form6", "Lbl6"), "61");
    EXPECT_EQ(d.caption("Form6", "Lbl8"), "0.185816985500183");
}

} // namespace
