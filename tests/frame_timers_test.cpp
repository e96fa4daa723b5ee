// Timer delivery in virtual time, and handlers that skip failing steps.

#include "support/ProbeScreen.h"

#include "app/Application.h"
#include "app/StepByStep.h"

#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using app::Event;
using testing_support::Log;
using testing_support::ProbeScreen;
using enum app::WidgetKind;

// t100 is on in the description; a and b are switched on by the tests.
constexpr auto kClock1Widgets = std::to_array<app::WidgetDesc>({
    {.name = "lbl", .kind = Label, .container = ""},
    {.name = "t100", .kind = Timer, .container = "", .intervalMs = 100},
    {.name = "a", .kind = Timer, .container = "", .enabled = false, .intervalMs = 100},
    {.name = "b", .kind = Timer, .container = "", .enabled = false, .intervalMs = 100},
});
constexpr app::ScreenDesc kClock1 = {.name = "Clock1", .caption = "Clock1", .widgets = kClock1Widgets};

class Clock1 final : public ProbeScreen {
public:
    Clock1(app::Application& application, Log& log)
        : ProbeScreen(application, kClock1, log)
    {
    }
    void t100_Timer() { noteTick("t100_Timer"); }
    void a_Timer() { noteTick("a_Timer"); }
    void b_Timer() { noteTick("b_Timer"); }

protected:
    const app::Bindings& bindings() const override
    {
        static const app::Bindings rows = {
            app::on("t100", Event::Timer, &Clock1::t100_Timer),
            app::on("a", Event::Timer, &Clock1::a_Timer),
            app::on("b", Event::Timer, &Clock1::b_Timer),
        };
        return rows;
    }
};

constexpr auto kClock2Widgets = std::to_array<app::WidgetDesc>({
    {.name = "lbl", .kind = Label, .container = ""},
    {.name = "c", .kind = Timer, .container = "", .intervalMs = 100},
});
constexpr app::ScreenDesc kClock2 = {.name = "Clock2", .caption = "Clock2", .widgets = kClock2Widgets};

class Clock2 final : public ProbeScreen {
public:
    Clock2(app::Application& application, Log& log)
        : ProbeScreen(application, kClock2, log)
    {
    }
    void c_Timer() { noteTick("c_Timer"); }

protected:
    const app::Bindings& bindings() const override
    {
        static const app::Bindings rows = {app::on("c", Event::Timer, &Clock2::c_Timer)};
        return rows;
    }
};

struct World {
    void wait(std::int64_t ms) { app::runFor(app, clock, ms); }
    // Delivers every tick due before t and stops the clock at t, with the
    // ticks due at t still undelivered.
    void advanceTo(std::int64_t t)
    {
        if (t <= clock.nowMs())
            return;
        wait(t - 1 - clock.nowMs());
        clock.set(t);
    }

    app::ManualClock clock;
    app::Application app{clock};
    Log log;
    Clock1& clock1 = app.add<Clock1>(log);
    Clock2& clock2 = app.add<Clock2>(log);
};

class Timers : public testing::Test, protected World {};

// --- One timer ---------------------------------------------------------------

enum class Do { Load, Enable, Disable, Unload, Show, Hide };

struct Step {
    std::int64_t atMs; // before the ticks due at that moment are delivered
    Do what;
};

struct TimerCase {
    const char* meaning;
    std::vector<Step> steps;
    std::int64_t untilMs;
    std::vector<std::int64_t> ticksAt;
};

class OneTimer : public testing::TestWithParam<TimerCase> {};

TEST_P(OneTimer, TicksWhenItsRulesSay)
{
    const TimerCase& row = GetParam();
    World w;
    std::vector<std::int64_t> ticks;
    w.clock1.hook("t100_Timer", [&] { ticks.push_back(w.clock.nowMs()); });

    for (const Step& step : row.steps) {
        w.advanceTo(step.atMs);
        switch (step.what) {
        case Do::Load:
            (void)w.clock1.label("lbl").caption();
            break;
        case Do::Enable:
            w.clock1.timer("t100").setEnabled(true);
            break;
        case Do::Disable:
            w.clock1.timer("t100").setEnabled(false);
            break;
        case Do::Unload:
            w.clock1.Unload();
            break;
        case Do::Show:
            w.clock1.Show();
            break;
        case Do::Hide:
            w.clock1.Hide();
            break;
        }
    }
    w.wait(row.untilMs - w.clock.nowMs());

    EXPECT_EQ(ticks, row.ticksAt);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Frame, OneTimer, testing::Values(
    TimerCase{"armed by its description: one interval after the load, then every interval",
              {{0, Do::Load}}, 350, {100, 200, 300}},
    TimerCase{"armed at 30: the first tick one interval later",
              {{0, Do::Load}, {0, Do::Disable}, {30, Do::Enable}}, 350, {130, 230, 330}},
    TimerCase{"switching on a timer that is on keeps its period",
              {{0, Do::Load}, {50, Do::Enable}, {150, Do::Enable}}, 350, {100, 200, 300}},
    TimerCase{"switching off at the due moment drops the due tick",
              {{0, Do::Load}, {200, Do::Disable}}, 350, {100}},
    TimerCase{"switching on again starts a new period",
              {{0, Do::Load}, {150, Do::Disable}, {170, Do::Enable}}, 400, {100, 270, 370}},
    TimerCase{"off and on at the due moment: the due tick is dropped, a new period starts",
              {{0, Do::Load}, {200, Do::Disable}, {200, Do::Enable}}, 450, {100, 300, 400}},
    TimerCase{"unload drops everything, even a due tick",
              {{0, Do::Load}, {200, Do::Unload}}, 500, {100}},
    TimerCase{"a reload arms it again from its description",
              {{0, Do::Load}, {150, Do::Unload}, {230, Do::Load}}, 450, {100, 330, 430}},
    TimerCase{"a hidden screen's timer keeps ticking",
              {{0, Do::Show}, {150, Do::Hide}}, 350, {100, 200, 300}}),
    [](const testing::TestParamInfo<TimerCase>& param) {
        std::string name;
        for (const char* c = param.param.meaning; *c; ++c)
            name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        return name;
    });
// clang-format on

TEST_F(Timers, PeriodsThatElapsedBeforeDeliveryGiveOneTick)
{
    (void)clock1.label("lbl").caption();

    clock.set(350);
    app.runDueTimers();
    app.runDueTimers();

    EXPECT_EQ(log, (Log{"Clock1.t100_Timer @350"}));
    EXPECT_EQ(app.nextDue(), 400) << "the period goes on where it was";
}

// --- Several timers ----------------------------------------------------------

TEST(TimersTogether, TicksDueAtOneMomentComeInArmingOrder)
{
    struct Row {
        const char* meaning;
        std::vector<std::string> switches; // "a" switches a on, "-a" off
        Log ticks;
    };
    const Row rows[] = {
        {"a armed before b", {"a", "b"}, {"Clock1.a_Timer @100", "Clock1.b_Timer @100"}},
        {"b armed before a", {"b", "a"}, {"Clock1.b_Timer @100", "Clock1.a_Timer @100"}},
        {"a armed again after b", {"a", "b", "-a", "a"}, {"Clock1.b_Timer @100", "Clock1.a_Timer @100"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.meaning);
        World w;
        w.clock1.timer("t100").setEnabled(false);
        for (const std::string& s : row.switches) {
            const bool on = s[0] != '-';
            w.clock1.timer(on ? s : s.substr(1)).setEnabled(on);
        }
        w.wait(100);
        EXPECT_EQ(w.log, row.ticks);
    }
}

TEST_F(Timers, ATickThatSwitchesOffAnotherDueTimerPreventsItsTick)
{
    clock1.timer("t100").setEnabled(false);
    clock1.hook("a_Timer", [&] { clock1.timer("b").setEnabled(false); });
    clock1.timer("a").setEnabled(true);
    clock1.timer("b").setEnabled(true);

    wait(250);

    EXPECT_EQ(log, (Log{"Clock1.a_Timer @100", "Clock1.a_Timer @200"}));
}

TEST_F(Timers, ATickThatUnloadsAnotherScreenPreventsItsTimersTick)
{
    // a and c both fall due at 100, a first. a's tick unloads Clock2 and at
    // once refers to it again: the reloaded c starts a fresh period.
    clock1.timer("t100").setEnabled(false);
    clock1.hook("a_Timer", [&] {
        clock2.Unload();
        (void)clock2.label("lbl").caption();
        clock1.timer("a").setEnabled(false);
    });
    clock1.timer("a").setEnabled(true);
    (void)clock2.label("lbl").caption();

    wait(350);

    EXPECT_EQ(log, (Log{"Clock1.a_Timer @100", "Clock2.c_Timer @200", "Clock2.c_Timer @300"}));
}

// --- Errors ignored step by step ---------------------------------------------

TEST_F(Timers, AFailingStepIsSkippedAndTheLaterStepsRun)
{
    clock1.hook("t100_Timer", [&] {
        app::stepByStep({
            [&] { log.push_back("step 1"); },
            [&] { (void)clock1.label("nosuch"); }, // no such widget: the frame throws
            [&] { throw std::runtime_error("unexpected"); },
            [&] { log.push_back("step 4"); },
        });
        log.push_back("handler goes on");
    });
    (void)clock1.label("lbl").caption();
    const auto skippedBefore = app::skippedSteps();

    wait(100);

    EXPECT_EQ(log, (Log{"Clock1.t100_Timer @100", "step 1", "step 4", "handler goes on"}));
    EXPECT_EQ(app::skippedSteps() - skippedBefore, 2u);
    EXPECT_EQ(app.failedHandlers(), 0);
}

TEST_F(Timers, StepsGoOnAfterTheHandlerUnloadsItsOwnScreen)
{
    clock1.hook("t100_Timer", [&] {
        app::stepByStep({
            [&] { clock1.Unload(); },
            [&] { log.push_back(clock1.isLoaded() ? "still loaded" : "unloaded"); },
            [&] { clock1.label("lbl").setCaption("reloaded"); },
        });
    });
    (void)clock1.label("lbl").caption();

    wait(100);

    EXPECT_EQ(log, (Log{"Clock1.t100_Timer @100", "unloaded"}));
    EXPECT_TRUE(clock1.isLoaded());
    EXPECT_EQ(clock1.label("lbl").caption(), "reloaded");
    wait(100);
    EXPECT_EQ(log, (Log{"Clock1.t100_Timer @100", "unloaded", "Clock1.t100_Timer @200", "unloaded"}))
        << "the reloaded t100 is armed afresh";
}

TEST_F(Timers, EndInsideTheStepsIsNotSwallowed)
{
    clock1.hook("t100_Timer", [&] {
        app::stepByStep({
            [&] { log.push_back("step 1"); },
            [&] { clock1.End(); },
            [&] { log.push_back("step 3"); },
        });
        log.push_back("handler goes on");
    });
    (void)clock1.label("lbl").caption();
    (void)clock2.label("lbl").caption(); // c falls due with t100, after it

    wait(1000);

    EXPECT_TRUE(app.ended());
    EXPECT_EQ(log, (Log{"Clock1.t100_Timer @100", "step 1"}));
}

TEST_F(Timers, AFailureInAnOrdinaryTickAbandonsThatTickOnly)
{
    clock1.hook("t100_Timer", [&] {
        log.push_back("before the failure");
        (void)clock1.label("nosuch");
        log.push_back("after the failure");
    });
    (void)clock1.label("lbl").caption();

    wait(250);

    EXPECT_FALSE(app.ended());
    EXPECT_EQ(log, (Log{"Clock1.t100_Timer @100", "before the failure", "Clock1.t100_Timer @200", "before the failure"}));
    EXPECT_EQ(app.failedHandlers(), 2);
}

} // namespace
