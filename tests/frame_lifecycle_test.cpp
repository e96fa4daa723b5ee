// Load on reference, show, hide, unload and restart, on three small
// screens in virtual time.

#include "support/ProbeScreen.h"

#include "app/Application.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using app::Event;
using testing_support::Log;
using testing_support::ProbeScreen;
using testing_support::RecordingShell;
using enum app::WidgetKind;

// The first registered screen, with a load handler, like a start screen.
constexpr auto kTitleWidgets = std::to_array<app::WidgetDesc>({
    {.name = "lbl", .kind = Label, .container = "", .caption = "hello"},
    {.name = "arr", .kind = Label, .container = "", .index = 0, .caption = "a"},
    {.name = "arr", .kind = Label, .container = "", .index = 1, .caption = "b", .backColor = 0xFF},
    {.name = "cmdGo", .kind = Button, .container = "", .caption = "&Go", .tabIndex = 0},
    {.name = "tim", .kind = Timer, .container = "", .enabled = false, .intervalMs = 100},
});
constexpr app::ScreenDesc kTitle = {.name = "Title", .caption = "Title", .keyPreview = false, .widgets = kTitleWidgets};

class Title final : public ProbeScreen {
public:
    Title(app::Application& application, Log& log)
        : ProbeScreen(application, kTitle, log)
    {
    }
    void Form_Load() { note("Form_Load"); }
    void lbl_Change() { note("lbl_Change"); }
    void tim_Timer() { noteTick("tim_Timer"); }

protected:
    const app::Bindings& bindings() const override
    {
        static const app::Bindings rows = {
            app::on("Form", Event::Load, &Title::Form_Load),
            app::on("lbl", Event::Change, &Title::lbl_Change),
            app::on("tim", Event::Timer, &Title::tim_Timer),
        };
        return rows;
    }
};

// A game-like screen: no load handler, KeyPreview on, a fast timer left on
// by its description, and an own variable.
constexpr auto kGameWidgets = std::to_array<app::WidgetDesc>({
    {.name = "lbl1", .kind = Label, .container = ""},
    {.name = "tim1", .kind = Timer, .container = "", .intervalMs = 10},
    {.name = "tim2", .kind = Timer, .container = "", .enabled = false, .intervalMs = 200},
});
constexpr app::ScreenDesc kGame = {.name = "Game", .caption = "Game", .keyPreview = true, .widgets = kGameWidgets};

class Game final : public ProbeScreen {
public:
    Game(app::Application& application, Log& log)
        : ProbeScreen(application, kGame, log)
    {
    }
    int hits = 0;

    void Form_KeyDown(std::int16_t keyCode, std::int16_t)
    {
        ++hits;
        noteKey(keyCode);
    }
    void tim1_Timer() { noteTick("tim1_Timer"); }
    void tim2_Timer() { noteTick("tim2_Timer"); }

protected:
    const app::Bindings& bindings() const override
    {
        static const app::Bindings rows = {
            app::on("Form", Event::KeyDown, &Game::Form_KeyDown),
            app::on("tim1", Event::Timer, &Game::tim1_Timer),
            app::on("tim2", Event::Timer, &Game::tim2_Timer),
        };
        return rows;
    }
};

// An end screen with a restart button.
constexpr auto kResultsWidgets = std::to_array<app::WidgetDesc>({
    {.name = "lbl", .kind = Label, .container = "", .caption = "results"},
    {.name = "ReCmd", .kind = Button, .container = "", .caption = "&Restart"},
});
constexpr app::ScreenDesc kResults = {.name = "Results", .caption = "Results", .widgets = kResultsWidgets};

class Results final : public ProbeScreen {
public:
    Results(app::Application& application, Log& log)
        : ProbeScreen(application, kResults, log)
    {
    }
    void ReCmd_Click() { note("ReCmd_Click"); }

protected:
    const app::Bindings& bindings() const override
    {
        static const app::Bindings rows = {app::on("ReCmd", Event::Click, &Results::ReCmd_Click)};
        return rows;
    }
};

struct World : testing_support::RecordedWorld {
    Title& title = app.add<Title>(log);
    Game& game = app.add<Game>(log);
    Results& results = app.add<Results>(log);
};

class Lifecycle : public testing::Test, protected World {};

// --- Load --------------------------------------------------------------------

TEST(LifecycleReference, AnyReferenceLoadsTheScreenHiddenAndRunsItsLoadFirst)
{
    struct Row {
        const char* meaning;
        std::function<void(Title&)> reference;
    };
    const Row rows[] = {
        {"reading a label's caption", [](Title& s) { (void)s.label("lbl").caption(); }},
        {"reading an array element", [](Title& s) { (void)s.label("arr", 1).caption(); }},
        {"reading a button's Enabled", [](Title& s) { (void)s.button("cmdGo").enabled(); }},
        {"switching a timer off", [](Title& s) { s.timer("tim").setEnabled(false); }},
        {"writing a label's colour", [](Title& s) { s.label("lbl").setBackColor(0xFF); }},
        {"reading KeyPreview", [](Title& s) { (void)s.keyPreview(); }},
        {"writing KeyPreview", [](Title& s) { s.setKeyPreview(true); }},
        {"Hide", [](Title& s) { s.Hide(); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.meaning);
        World w;
        w.title.hook("Form_Load", [&] {
            w.log.push_back(w.title.isVisible() ? "load sees it shown" : "load sees it hidden");
        });
        row.reference(w.title);
        EXPECT_EQ(w.log, (Log{"load Title", "Title.Form_Load", "load sees it hidden"}));
        EXPECT_TRUE(w.title.isLoaded());
        EXPECT_FALSE(w.title.isVisible());
        EXPECT_EQ(w.app.active(), nullptr);
    }
}

TEST_F(Lifecycle, AWriteThatLoadsTheScreenLandsAfterTheLoadHandler)
{
    title.hook("Form_Load", [&] { log.push_back("load sees " + title.label("lbl").caption()); });

    title.label("lbl").setCaption("bye");

    EXPECT_EQ(log, (Log{"load Title", "Title.Form_Load", "load sees hello", "Title.lbl_Change"}));
    EXPECT_EQ(title.label("lbl").caption(), "bye");
}

TEST_F(Lifecycle, StartShowsTheFirstScreenWhoseLoadLoadsAnotherHidden)
{
    // Like a start screen that stops the game screen's timer: the reference
    // loads the game screen, arming its timer, and the write disarms it.
    title.hook("Form_Load", [&] { game.timer("tim1").setEnabled(false); });

    app.start();

    EXPECT_EQ(log, (Log{"load Title", "Title.Form_Load", "load Game", "show Title"}));
    EXPECT_EQ(app.active(), &title);
    EXPECT_TRUE(game.isLoaded());
    EXPECT_FALSE(game.isVisible());
    log.clear();
    wait(1000);
    EXPECT_EQ(log, Log{}) << "the disarmed timer never ticked";
}

TEST_F(Lifecycle, ShowOfAnUnloadedScreenRunsItsLoadToTheEndBeforeTheCallerGoesOn)
{
    title.hook("Form_Load", [&] { log.push_back(title.isVisible() ? "load sees it shown" : "load sees it hidden"); });
    game.hook("tim2_Timer", [&] {
        title.Show();
        log.push_back("caller goes on");
    });
    game.timer("tim1").setEnabled(false);
    game.timer("tim2").setEnabled(true);
    log.clear();

    wait(200);

    EXPECT_EQ(log, (Log{"Game.tim2_Timer @200", "load Title", "Title.Form_Load", "load sees it hidden", "show Title",
                        "caller goes on"}));
    EXPECT_TRUE(title.isVisible());
    EXPECT_EQ(app.active(), &title);
}

TEST_F(Lifecycle, ShowOfAHiddenScreenRunsNoLoadAndKeepsEveryValue)
{
    title.Show();
    title.label("lbl").setCaption("kept");
    title.button("cmdGo").setEnabled(false);
    title.Hide();
    log.clear();

    title.Show();

    EXPECT_EQ(log, (Log{"show Title"}));
    EXPECT_EQ(title.label("lbl").caption(), "kept");
    EXPECT_FALSE(title.button("cmdGo").enabled());
}

// --- Unload ------------------------------------------------------------------

TEST_F(Lifecycle, UnloadOfAScreenThatIsNotLoadedDoesNothing)
{
    results.Unload();
    EXPECT_EQ(log, Log{});
    EXPECT_FALSE(results.isLoaded());

    title.Show();
    title.Unload();
    title.Unload();
    EXPECT_EQ(log, (Log{"load Title", "Title.Form_Load", "show Title", "unload Title"}));
    EXPECT_EQ(app.active(), nullptr);
}

TEST_F(Lifecycle, AReloadedScreenComesBackWithItsDescriptionValues)
{
    title.Show();
    title.label("lbl").setCaption("changed");
    title.label("arr", 1).setCaption("z");
    title.label("arr", 1).setBackColor(0xC0FFC0);
    title.label("lbl").setVisible(false);
    title.button("cmdGo").setEnabled(false);
    title.setKeyPreview(true);
    title.timer("tim").setEnabled(true);

    title.Unload();
    log.clear();

    EXPECT_EQ(title.label("lbl").caption(), "hello");
    EXPECT_EQ(log, (Log{"load Title", "Title.Form_Load"})) << "reloaded hidden, with no Change for its captions";
    EXPECT_EQ(title.label("arr", 1).caption(), "b");
    EXPECT_EQ(title.label("arr", 1).backColor(), 0xFFu);
    EXPECT_TRUE(title.label("lbl").visible());
    EXPECT_TRUE(title.button("cmdGo").enabled());
    EXPECT_FALSE(title.keyPreview());
    EXPECT_FALSE(title.timer("tim").enabled());
    EXPECT_FALSE(title.isVisible());
    log.clear();
    wait(1000);
    EXPECT_EQ(log, Log{}) << "the timer armed before the unload is gone";
}

TEST_F(Lifecycle, OwnVariablesOutliveUnloadReloadAndRestart)
{
    game.Show();
    game.timer("tim1").setEnabled(false);
    app.keyDown('A');
    app.keyDown('B');
    ASSERT_EQ(game.hits, 2);

    game.Unload();
    EXPECT_EQ(game.hits, 2);
    game.Show();
    app.keyDown('C');
    EXPECT_EQ(game.hits, 3);

    app.Restart();
    EXPECT_EQ(game.hits, 3);
    game.Show();
    app.keyDown('D');
    EXPECT_EQ(game.hits, 4);
}

TEST_F(Lifecycle, RestartUnloadsInRegistryOrderThenShowsTheFirstScreenAfresh)
{
    title.hook("Form_Load", [&] { game.timer("tim1").setEnabled(false); });
    results.hook("ReCmd_Click", [&] {
        results.Restart();
        log.push_back("handler goes on");
        results.label("lbl").setCaption("again");
    });
    // Loaded in the reverse of registry order, so the unloads show the order.
    results.Show();
    game.Show();
    title.Show();
    title.label("lbl").setCaption("changed");
    results.Show();
    log.clear();

    click(results, "ReCmd");

    EXPECT_EQ(log, (Log{"Results.ReCmd_Click", "unload Title", "unload Game", "unload Results", "load Title",
                        "Title.Form_Load", "load Game", "show Title", "handler goes on", "load Results"}));
    EXPECT_EQ(app.active(), &title);
    EXPECT_EQ(title.label("lbl").caption(), "hello");
    EXPECT_FALSE(game.isVisible());
    EXPECT_TRUE(results.isLoaded());
    EXPECT_FALSE(results.isVisible());
}

TEST_F(Lifecycle, AHandlerThatUnloadsItsOwnScreenRunsOnAndItsNextReferenceReloadsIt)
{
    // The shape of a question's close: show another screen, unload the own
    // one, then write the own screen's timer.
    game.Show();
    game.timer("tim1").setEnabled(false);
    game.label("lbl1").setCaption("OK");
    game.setKeyPreview(false);
    game.hook("tim2_Timer", [&] {
        title.Show();
        game.Unload();
        log.push_back(game.isLoaded() ? "still loaded" : "unloaded, handler goes on");
        game.timer("tim2").setEnabled(false);
    });
    game.timer("tim2").setEnabled(true);
    log.clear();

    wait(200);

    EXPECT_EQ(log, (Log{"Game.tim2_Timer @200", "load Title", "Title.Form_Load", "show Title", "unload Game",
                        "unloaded, handler goes on", "load Game"}));
    EXPECT_TRUE(game.isLoaded());
    EXPECT_FALSE(game.isVisible());
    EXPECT_EQ(game.label("lbl1").caption(), "");
    EXPECT_TRUE(game.keyPreview());
    EXPECT_EQ(app.active(), &title);
    log.clear();
    wait(25);
    EXPECT_EQ(log, (Log{"Game.tim1_Timer @210", "Game.tim1_Timer @220"})) << "the reloaded timer is armed afresh";
}

} // namespace
