// Question limits and the game countdown, in virtual time.

#include "support/GameDriver.h"

#include <gtest/gtest.h>

namespace {

using testing_support::GameDriver;

struct LimitRow {
    const char* what;
    int level;
    std::int64_t limitMs;
};

class QuestionLimit : public ::testing::TestWithParam<LimitRow> {};

TEST_P(QuestionLimit, EndsOnTimeOverExactlyAtTheLimitWhateverWrongKeysCame)
{
    GameDriver d;
    d.startGame(GetParam().level);
    d.openQuestion("D");
    for (const char* wrong : {"F", "G", "H"}) {
        d.press(wrong);
        d.wait(100);
    }
    d.wait(GetParam().limitMs - 300 - 1);
    EXPECT_FALSE(d.screen("Form7").isLoaded());
    d.wait(1);
    EXPECT_TRUE(d.screen("Form7").isVisible());
    EXPECT_TRUE(d.screen("Form3").isVisible()) << "the question stays up behind";
    EXPECT_EQ(d.caption("Form3", "lbl1"), "D");
    for (const char* t : {"Mtim1", "tim1", "tim2", "Tim3", "Tim4", "Tim5", "Tim6"})
        EXPECT_FALSE(d.screen("Form3").timer(t).enabled()) << t;
}

TEST_P(QuestionLimit, EveryQuestionGetsTheWholeLimitAgain)
{
    GameDriver d;
    d.startGame(GetParam().level);
    d.answer("S", GetParam().limitMs - 250);
    d.openQuestion("S");
    d.wait(GetParam().limitMs - 1);
    EXPECT_FALSE(d.screen("Form7").isLoaded());
    d.wait(1);
    EXPECT_TRUE(d.screen("Form7").isVisible());
}

TEST_P(QuestionLimit, HitJustBeforeTheLimitIsCountedButTimeOverWins)
{
    GameDriver d;
    d.startGame(GetParam().level);
    d.openQuestion("V");
    d.wait(GetParam().limitMs - 150);
    d.press("V");
    d.wait(300);
    EXPECT_TRUE(d.screen("Form7").isVisible());
    EXPECT_FALSE(d.screen("Form4").isVisible()) << "the pause must not bring the ready screen back";
    EXPECT_EQ(d.caption("Form4", "Slbl"), "1");
}

INSTANTIATE_TEST_SUITE_P(Levels, QuestionLimit,
                         ::testing::Values(LimitRow{"level1", 1, 5000}, LimitRow{"level2", 2, 3000},
                                           LimitRow{"level3", 3, 1700}),
                         [](const ::testing::TestParamInfo<LimitRow>& row) { return std::string(row.param.what); });

TEST(Countdown, RunsAcrossQuestionsAndIsBlankForTheFirstSecondOfEach)
{
    GameDriver d;
    d.startGame(1);
    d.openQuestion("R");
    EXPECT_EQ(d.caption("Form3", "Lbl10"), "");
    d.wait(1000);
    EXPECT_EQ(d.caption("Form3", "Lbl10"), "59");
    d.wait(500);
    d.press("R");
    d.wait(200);
    d.openQuestion("T");
    EXPECT_EQ(d.caption("Form3", "Lbl10"), "");
    d.wait(999);
    EXPECT_EQ(d.caption("Form3", "Lbl10"), "");
    d.wait(1);
    EXPECT_EQ(d.caption("Form3", "Lbl10"), "58");
    EXPECT_EQ(d.caption("Form3", "Lbl5"), "考えれる時間は「５秒」です");
}

TEST(Countdown, LevelThreeAnswersWithin800msNeverAdvanceIt)
{
    GameDriver d;
    d.startGame(3);
    for (int q = 0; q < 100; ++q)
        d.answer("Y", 799);
    EXPECT_EQ(d.game().ElapsedSeconds, 0);
    EXPECT_EQ(d.game().CorrectCount, 100);
    EXPECT_FALSE(d.screen("Form6").isLoaded());
    // One more millisecond and the pause takes the first tick.
    d.answer("Y", 800);
    EXPECT_EQ(d.game().ElapsedSeconds, 1);
}

TEST(Countdown, ReachingSixtyDuringAPauseCountsThatAnswerAndStopsTheLimit)
{
    GameDriver d;
    d.startGame(1);
    for (int q = 0; q < 59; ++q)
        d.answer("U", 900);
    d.openQuestion("U");
    d.wait(950);
    d.press("U");
    d.wait(100);
    ASSERT_TRUE(d.screen("Form6").isVisible());
    EXPECT_EQ(d.caption("Form6", "Lbl6"), "60");
    d.wait(10000);
    EXPECT_FALSE(d.screen("Form7").isLoaded());
    EXPECT_FALSE(d.screen("Form4").isVisible());
    EXPECT_EQ(d.game().ElapsedSeconds, 0);
}

TEST(Resets, FirstKeyAndFirstTickOfTheNextGameStartFromZero)
{
    GameDriver d;
    d.startGame(1);
    d.answer("I", 1500);
    d.openQuestion("O");
    d.press("P");
    d.press("P");
    d.wait(5000); // time-over with 1 hit, 2 misses, 5 seconds counted
    ASSERT_TRUE(d.screen("Form7").isVisible());
    EXPECT_EQ(d.game().ElapsedSeconds, 5);
    d.click("Form7", "ReCmd");
    d.startGame(2);
    d.openQuestion("O");
    d.wait(1000);
    EXPECT_EQ(d.caption("Form3", "Lbl10"), "59");
    d.press("P");
    EXPECT_EQ(d.game().MissCount, 1);
    EXPECT_EQ(d.game().CorrectCount, 0);
    EXPECT_EQ(d.caption("Form4", "Mlbl"), "1");
    EXPECT_EQ(d.caption("Form4", "Slbl"), "0");
}

TEST(Resets, QuickFirstAnswerLeavesThePreviousTimeOverCount)
{
    // The reload after a quick first answer clears the first-tick flag
    // before any tick saw it: the count goes on from the last game's.
    GameDriver d;
    d.startGame(1);
    d.openQuestion("E");
    d.wait(5000);
    ASSERT_TRUE(d.screen("Form7").isVisible());
    d.click("Form7", "ReCmd");
    d.startGame(1);
    d.answer("E", 300);
    d.openQuestion("E");
    d.wait(1000);
    EXPECT_EQ(d.caption("Form3", "Lbl10"), "55");
}

TEST(PromptLabelQuestion, HasNoCountdownNoLimitAndLeavesTheReadyScreenUp)
{
    GameDriver d;
    d.startGame(1);
    d.keys.draw(d.indexOf("B"));
    d.wait(3);
    d.click("Form4", "lbl2");
    EXPECT_TRUE(d.screen("Form3").isVisible());
    EXPECT_TRUE(d.screen("Form4").isVisible());
    EXPECT_EQ(d.app.active(), &d.screen("Form3"));
    d.wait(20000);
    EXPECT_FALSE(d.screen("Form7").isLoaded());
    EXPECT_EQ(d.caption("Form3", "Lbl10"), "");
    EXPECT_EQ(d.caption("Form3", "Lbl5"), "");
    d.press("B");
    d.wait(200);
    EXPECT_EQ(d.caption("Form4", "Slbl"), "1");
    EXPECT_FALSE(d.screen("Form3").isVisible());
    EXPECT_EQ(d.game().ElapsedSeconds, 0);
}

} // namespace
