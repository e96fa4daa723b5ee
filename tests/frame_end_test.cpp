// The ways out of a handler and of the program: End, a failure escaping a
// handler, and the close box.

#include "support/ProbeScreen.h"

#include "app/Application.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace {

using app::Event;
using testing_support::Log;
using testing_support::ProbeScreen;
using testing_support::RecordingShell;
using enum app::WidgetKind;

constexpr auto kFrontWidgets = std::to_array<app::WidgetDesc>({
    {.name = "lbl", .kind = Label, .container = "", .caption = "hello"},
    {.name = "cmdGo", .kind = Button, .container = "", .caption = "&Go"},
    {.name = "tim", .kind = Timer, .container = "", .enabled = false, .intervalMs = 100},
});
constexpr app::ScreenDesc kFront = {.name = "Front", .caption = "Front", .keyPreview = true, .widgets = kFrontWidgets};

class Front final : public ProbeScreen {
public:
    Front(app::Application& application, Log& log)
        : ProbeScreen(application, kFront, log)
    {
    }
    void Form_KeyDown(std::int16_t keyCode, std::int16_t) { noteKey(keyCode); }
    void lbl_Change() { note("lbl_Change"); }
    void lbl_Click() { note("lbl_Click"); }
    void cmdGo_Click() { note("cmdGo_Click"); }
    void tim_Timer() { noteTick("tim_Timer"); }

protected:
    const app::Bindings& bindings() const override
    {
        static const app::Bindings rows = {
            app::on("Form", Event::KeyDown, &Front::Form_KeyDown), app::on("lbl", Event::Change, &Front::lbl_Change),
            app::on("lbl", Event::Click, &Front::lbl_Click),       app::on("cmdGo", Event::Click, &Front::cmdGo_Click),
            app::on("tim", Event::Timer, &Front::tim_Timer),
        };
        return rows;
    }
};

constexpr auto kSecondWidgets = std::to_array<app::WidgetDesc>({
    {.name = "tim", .kind = Timer, .container = "", .enabled = false, .intervalMs = 100},
});
constexpr app::ScreenDesc kSecond = {.name = "Second", .caption = "Second", .widgets = kSecondWidgets};

class Second final : public ProbeScreen {
public:
    Second(app::Application& application, Log& log)
        : ProbeScreen(application, kSecond, log)
    {
    }
    void tim_Timer() { noteTick("tim_Timer"); }

protected:
    const app::Bindings& bindings() const override
    {
        static const app::Bindings rows = {app::on("tim", Event::Timer, &Second::tim_Timer)};
        return rows;
    }
};

struct World : testing_support::RecordedWorld {
    Front& front = app.add<Front>(log);
    Second& second = app.add<Second>(log);
};

class Ending : public testing::Test, protected World {};

// --- End ---------------------------------------------------------------------

TEST_F(Ending, EndUnwindsTheHandlerFromInsideANestedChange)
{
    front.Show();
    front.hook("lbl_Change", [&] { front.End(); });
    front.hook("cmdGo_Click", [&] {
        front.label("lbl").setCaption("bye");
        log.push_back("after the write");
    });
    log.clear();

    click(front, "cmdGo");

    EXPECT_TRUE(app.ended());
    EXPECT_EQ(log, (Log{"Front.cmdGo_Click", "Front.lbl_Change", "ended"}));
}

TEST_F(Ending, EndDeliversNoOtherTickDueAtTheSameMoment)
{
    front.hook("tim_Timer", [&] { front.End(); });
    front.timer("tim").setEnabled(true);
    second.timer("tim").setEnabled(true);
    log.clear();

    wait(1000);

    EXPECT_EQ(log, (Log{"Front.tim_Timer @100", "ended"}));
}

TEST(EndingEntryPoints, EveryEntryPointIsDeadAfterEnd)
{
    struct Row {
        const char* meaning;
        std::function<void(World&)> poke;
    };
    const Row rows[] = {
        {"start", [](World& w) { w.app.start(); }},
        {"a key for the form", [](World& w) { w.app.keyDown('A'); }},
        {"Space for the focused button", [](World& w) { w.app.keyDown(app::kKeySpace); }},
        {"an access key", [](World& w) { w.app.keyDown('G', app::kAltKey); }},
        {"a click on a button", [](World& w) { w.click(w.front, "cmdGo"); }},
        {"a click on a label", [](World& w) { w.click(w.front, "lbl"); }},
        {"activating another window", [](World& w) { w.app.activate(w.second); }},
        {"a close request", [](World& w) { w.app.closeRequested(w.front); }},
        {"a tick long due", [](World& w) {
             w.clock.set(w.clock.nowMs() + 1000);
             w.app.runDueTimers();
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.meaning);
        World w;
        w.second.Show();
        w.front.Show();
        w.front.timer("tim").setEnabled(true);
        w.front.hook("cmdGo_Click", [&] { w.front.End(); });
        w.click(w.front, "cmdGo");
        ASSERT_TRUE(w.app.ended());
        const Log before = w.log;

        row.poke(w);

        EXPECT_EQ(w.log, before);
        EXPECT_EQ(w.app.active(), &w.front);
    }
}

// --- Failures ----------------------------------------------------------------

TEST_F(Ending, AFailureEscapingAHandlerAbandonsOnlyThatHandler)
{
    front.Show();
    front.hook("cmdGo_Click", [&] {
        log.push_back("before the failure");
        (void)front.label("nosuch"); // no such widget: the frame throws
        log.push_back("after the failure");
    });
    log.clear();

    click(front, "cmdGo");
    click(front, "lbl");

    EXPECT_EQ(log, (Log{"Front.cmdGo_Click", "before the failure", "Front.lbl_Click"}));
    EXPECT_FALSE(app.ended());
    EXPECT_EQ(app.failedHandlers(), 1);
}

// --- Close box ---------------------------------------------------------------

constexpr auto kBoxedWidgets = std::to_array<app::WidgetDesc>({
    {.name = "tim", .kind = Timer, .container = "", .intervalMs = 100},
});
constexpr app::ScreenDesc kEnds = {
    .name = "Ends", .caption = "Ends", .closeBox = app::CloseBox::EndsProgram, .widgets = kBoxedWidgets};
constexpr app::ScreenDesc kHides = {
    .name = "Hides", .caption = "Hides", .closeBox = app::CloseBox::HidesScreen, .widgets = kBoxedWidgets};
constexpr app::ScreenDesc kNoBox = {
    .name = "NoBox", .caption = "NoBox", .closeBox = app::CloseBox::Absent, .widgets = kBoxedWidgets};

class Boxed final : public ProbeScreen {
public:
    using ProbeScreen::ProbeScreen;
    void Form_Load() { note("Form_Load"); }
    void tim_Timer() { noteTick("tim_Timer"); }

protected:
    const app::Bindings& bindings() const override
    {
        static const app::Bindings rows = {
            app::on("Form", Event::Load, &Boxed::Form_Load),
            app::on("tim", Event::Timer, &Boxed::tim_Timer),
        };
        return rows;
    }
};

TEST(EndingCloseBox, TheCloseBoxDoesWhatTheScreenDescribes)
{
    struct Row {
        const char* meaning;
        const app::ScreenDesc* desc;
        bool unloadedBefore;
        bool ended;
        bool loaded;
        bool visible;
        Log after; // what ran from the request through 250 ms later
    };
    const Row rows[] = {
        {"a close box that ends the program", &kEnds, false, true, true, true, {}},
        {"a close box that hides the screen; its timer goes on", &kHides, false, false, true, false,
         {"Hides.tim_Timer @100", "Hides.tim_Timer @200"}},
        {"no close box", &kNoBox, false, false, true, true, {"NoBox.tim_Timer @100", "NoBox.tim_Timer @200"}},
        // A request may still come from a window whose screen was unloaded
        // meanwhile; it must not load the screen again.
        {"a late request for an unloaded screen that hides", &kHides, true, false, false, false, {}},
        {"a late request for an unloaded screen that ends", &kEnds, true, false, false, false, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.meaning);
        app::ManualClock clock;
        app::Application application(clock);
        Log log;
        Boxed& screen = application.add<Boxed>(*row.desc, log);
        screen.Show();
        if (row.unloadedBefore)
            screen.Unload();
        log.clear();

        application.closeRequested(screen);
        app::runFor(application, clock, 250);

        EXPECT_EQ(application.ended(), row.ended);
        EXPECT_EQ(screen.isLoaded(), row.loaded);
        EXPECT_EQ(screen.isVisible(), row.visible);
        EXPECT_EQ(log, row.after);
    }
}

} // namespace
