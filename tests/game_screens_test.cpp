// The screens around play: title, ready, results and time-over.

#include "support/GameDriver.h"

#include <gtest/gtest.h>

namespace {

using testing_support::GameDriver;
using testing_support::kCtrl;

bool enabled(GameDriver& d, std::string_view button)
{
    return d.screen("Form1").button(button).enabled();
}

TEST(TitleScreen, StartsInTheChoosingStateWithTheGameScreenLoadedAndStill)
{
    GameDriver d;
    d.app.start();
    EXPECT_TRUE(d.screen("Form1").isVisible());
    EXPECT_EQ(d.screen("Form1").focusedButton(), d.screen("Form1").find("cmd1"));
    EXPECT_FALSE(enabled(d, "cmdok"));
    EXPECT_FALSE(enabled(d, "cmd4"));
    app::Screen& game = d.screen("Form3");
    EXPECT_TRUE(game.isLoaded());
    EXPECT_FALSE(game.isVisible());
    EXPECT_FALSE(d.app.nextDue().has_value()) << "no timer runs before START";
    EXPECT_EQ(game.label("Hlbl1").caption(), "1");
    EXPECT_EQ(game.label("Hlbl2").caption(), "1");
}

TEST(TitleScreen, LastLevelChosenBeforeOkIsTheOneStarted)
{
    GameDriver d;
    d.app.start();
    d.click("Form1", "cmd3");
    d.click("Form1", "cmd1");
    d.click("Form1", "cmd2");
    EXPECT_EQ(d.caption("Form1", "lbl2"), "セミプロ・モード");
    EXPECT_EQ(d.caption("Form1", "Lbl3"), "2");
    d.click("Form1", "cmd4");
    EXPECT_TRUE(d.screen("Form1").isVisible()) << "START is disabled until OK";
    d.click("Form1", "cmdok");
    for (const char* b : {"cmd1", "cmd2", "cmd3", "cmdok"})
        EXPECT_FALSE(enabled(d, b)) << b;
    d.click("Form1", "cmd4");
    EXPECT_FALSE(d.screen("Form1").isVisible());
    EXPECT_TRUE(d.screen("Form4").isVisible());
    EXPECT_EQ(d.caption("Form4", "Lbl3"), "セミプロ・モード");
    EXPECT_TRUE(d.screen("Form3").timer("tim1").enabled());
}

TEST(TitleScreen, PlayableFromTheKeyboardAlone)
{
    GameDriver d;
    d.app.start();
    d.press('3', app::kAltKey);
    d.press('Q', app::kAltKey);
    // OK disabled itself and passed the focus on to START.
    d.press(app::kKeyEnter);
    EXPECT_TRUE(d.screen("Form4").isVisible());
    EXPECT_EQ(d.caption("Form4", "Lbl3"), "プロ・モード");
}

TEST(ReadyScreen, CtrlOpensAQuestionAtTheChosenLevel)
{
    struct Row {
        int level;
        const char* limitTimer;
        const char* message;
    };
    for (const Row& row : {Row{1, "Tim4", "考えれる時間は「５秒」です"}, Row{2, "Tim5", "考えれる時間は「３秒」です"},
                           Row{3, "Tim6", "考えれる時間は「1.8秒」です"}}) {
        SCOPED_TRACE(row.level);
        GameDriver d;
        d.startGame(row.level);
        d.keys.draw(5);
        d.wait(10);
        d.press(kCtrl, app::kShiftKey);
        app::Screen& game = d.screen("Form3");
        EXPECT_TRUE(game.isVisible());
        EXPECT_EQ(d.app.active(), &game);
        EXPECT_FALSE(d.screen("Form4").isVisible());
        EXPECT_EQ(game.label("lbl1").caption(), "6");
        EXPECT_FALSE(game.timer("tim1").enabled());
        EXPECT_TRUE(game.timer("Tim3").enabled());
        EXPECT_TRUE(game.timer(row.limitTimer).enabled());
        EXPECT_EQ(game.label("Lbl5").caption(), row.message);
        d.wait(50);
        EXPECT_EQ(game.label("lbl1").caption(), "6") << "the target stays frozen";
    }
}

TEST(ReadyScreen, FlashesOnceAfterEachAnswerAndCtrlWorksDuringIt)
{
    GameDriver d;
    d.startGame(1);
    const auto prompt = [&] { return d.caption("Form4", "lbl2"); };
    d.answer("W", 300);
    EXPECT_EQ(prompt(), "Push  [ Ctrl ]");
    d.wait(100);
    EXPECT_EQ(prompt(), "Key Closed");
    EXPECT_EQ(d.screen("Form4").label("lbl2").backColor(), 0xFFu);
    EXPECT_EQ(d.caption("Form4", "lbl1"), "ただいま準備中！");
    d.press(kCtrl);
    EXPECT_TRUE(d.screen("Form3").isVisible());
    d.wait(100);
    EXPECT_EQ(prompt(), "Push  [ Ctrl ]");
    EXPECT_EQ(d.screen("Form4").label("lbl1").backColor(), 0xFFFFC0u);
}

TEST(ReadyScreen, HeldCtrlOpensOneQuestion)
{
    GameDriver d;
    d.startGame(1);
    d.openQuestion("L");
    for (int i = 0; i < 10; ++i)
        d.press(kCtrl);
    EXPECT_EQ(d.caption("Form4", "Mlbl"), "0");
    EXPECT_TRUE(d.screen("Form3").isVisible());
}

TEST(ReadyScreen, KeyboardButtonShowsTheKeyboardAndKeepsCtrlWorking)
{
    GameDriver d;
    d.startGame(1);
    d.keys.draw(d.indexOf("J"));
    d.wait(2);
    d.click("Form4", "Command2");
    EXPECT_TRUE(d.screen("Form2").isVisible());
    EXPECT_EQ(d.app.active(), &d.screen("Form4"));
    EXPECT_EQ(d.screen("Form2").label("Label1", d.indexOf("J")).backColor(), 0xFFu);
    d.app.activate(d.screen("Form2"));
    d.press(kCtrl);
    EXPECT_FALSE(d.screen("Form3").isVisible()) << "the keyboard window takes no Ctrl";
    d.app.activate(d.screen("Form4"));
    d.press(kCtrl);
    EXPECT_TRUE(d.screen("Form3").isVisible());
}

TEST(Ending, EndFromEveryScreenThatOffersIt)
{
    struct Row {
        const char* what;
        void (*reach)(GameDriver&);
        std::int16_t key;
        std::int16_t shift;
        const char* screen;
        const char* button;
    };
    const auto ready = [](GameDriver& d) { d.startGame(1); };
    const auto results = [](GameDriver& d) {
        d.startGame(1);
        for (int q = 0; q < 60; ++q)
            d.answer("A", 900);
    };
    const auto timeOver = [](GameDriver& d) {
        d.startGame(3);
        d.openQuestion("A");
        d.wait(1700);
    };
    const Row rows[] = {
        {"ready END button", ready, 0, 0, "Form4", "Command1"},
        {"ready Space on END", ready, app::kKeySpace, 0, nullptr, nullptr},
        {"ready Enter on END", ready, app::kKeyEnter, 0, nullptr, nullptr},
        {"ready Alt+E", ready, 'E', app::kAltKey, nullptr, nullptr},
        {"results END", results, 0, 0, "Form6", "Cmd1"},
        {"results Space", results, app::kKeySpace, 0, nullptr, nullptr},
        {"time-over END", timeOver, 0, 0, "Form7", "Cmd2Command4"},
        {"time-over Enter", timeOver, app::kKeyEnter, 0, nullptr, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        GameDriver d;
        row.reach(d);
        ASSERT_FALSE(d.app.ended());
        if (row.button)
            d.click(row.screen, row.button);
        else
            d.press(row.key, row.shift);
        EXPECT_TRUE(d.app.ended());
        // Nothing runs after the end: not even the target timer.
        const std::string target = d.caption("Form3", "lbl1");
        d.keys.draw(35);
        d.wait(100);
        EXPECT_EQ(d.caption("Form3", "lbl1"), target);
    }
}

TEST(Restart, FromEitherEndScreenBackToAFreshTitle)
{
    for (const char* endScreen : {"Form6", "Form7"}) {
        SCOPED_TRACE(endScreen);
        GameDriver d;
        d.startGame(1);
        if (std::string_view(endScreen) == "Form6") {
            for (int q = 0; q < 60; ++q)
                d.answer("A", 900);
        } else {
            d.openQuestion("A");
            d.wait(5000);
        }
        ASSERT_TRUE(d.screen(endScreen).isVisible());
        d.click(endScreen, "ReCmd");
        for (const char* s : {"Form2", "Form4", "Form6", "Form7"})
            EXPECT_FALSE(d.screen(s).isLoaded()) << s;
        EXPECT_TRUE(d.screen("Form1").isVisible());
        EXPECT_EQ(d.caption("Form1", "lbl2"), "");
        EXPECT_EQ(d.caption("Form1", "Lbl3"), "0");
        EXPECT_FALSE(enabled(d, "cmdok"));
        EXPECT_TRUE(enabled(d, "cmd1"));
        EXPECT_EQ(d.caption("Form3", "Hlbl1"), "1");
        EXPECT_FALSE(d.app.nextDue().has_value());
    }
}

struct ResultRow {
    const char* correct;
    const char* misses;
    const char* accuracy;
    const char* rating;
};

class ResultsScreen : public ::testing::TestWithParam<ResultRow> {};

TEST_P(ResultsScreen, ShowsAccuracyAndRatingForTheCounts)
{
    GameDriver d;
    d.startGame(1);
    d.screen("Form4").label("Slbl").setCaption(GetParam().correct);
    d.screen("Form4").label("Mlbl").setCaption(GetParam().misses);
    d.screen("Form6").Show();
    EXPECT_EQ(d.caption("Form6", "Lbl6"), GetParam().correct);
    EXPECT_EQ(d.caption("Form6", "Lbl7"), GetParam().misses);
    EXPECT_EQ(d.caption("Form6", "Lbl8"), GetParam().accuracy);
    EXPECT_EQ(d.caption("Form6", "Lbl1"), GetParam().rating);
    EXPECT_FALSE(d.screen("Form3").isVisible());
}

constexpr const char* kGreat = "おぉ！グレート！！";
constexpr const char* kVeryGood = "ベリーグッド！！";
constexpr const char* kGood = "なかなかグッドですね！";
constexpr const char* kMadamada = "まだまだですね！がんばって！！";

INSTANTIATE_TEST_SUITE_P(
    Counts, ResultsScreen,
    ::testing::Values(ResultRow{"45", "5", "90", kGood}, ResultRow{"7", "1", "87.5", kMadamada},
                      ResultRow{"50", "3", "94.3396226415094", kGood}, ResultRow{"2", "1", "66.6666666666667", kMadamada},
                      ResultRow{"0", "4", "0", kMadamada}, ResultRow{"12", "0", "100", kMadamada},
                      ResultRow{"0", "0", "100", kMadamada}, ResultRow{"60", "0", "100", kGreat},
                      ResultRow{"59", "0", "100", kVeryGood}, ResultRow{"55", "0", "100", kVeryGood},
                      ResultRow{"54", "0", "100", kGood}, ResultRow{"40", "0", "100", kGood},
                      ResultRow{"39", "0", "100", kMadamada}, ResultRow{"32767", "32767", "50", kGreat}));

} // namespace
