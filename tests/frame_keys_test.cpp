// Labels, buttons, keys and focus: what reaches which handler.

#include "support/ProbeScreen.h"

#include "app/Application.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using app::Event;
using app::kAltKey;
using app::kKeyEnter;
using app::kKeySpace;
using app::kKeyTab;
using app::kShiftKey;
using testing_support::focusName;
using testing_support::Log;
using testing_support::ProbeScreen;
using enum app::WidgetKind;

// Buttons in creation order differ from their tab order, and the lowest
// TabIndex belongs to a disabled button: first focus goes to cmdEnd.
constexpr auto kTitleWidgets = std::to_array<app::WidgetDesc>({
    {.name = "lbl", .kind = Label, .container = "", .caption = "hello"},
    {.name = "ghost", .kind = Label, .container = "", .caption = "boo", .visible = false},
    {.name = "echo", .kind = Label, .container = ""},
    {.name = "cmdGo", .kind = Button, .container = "", .caption = "&Go", .tabIndex = 3},
    {.name = "cmdEnd", .kind = Button, .container = "", .caption = "E&nd", .tabIndex = 1},
    {.name = "cmdOff", .kind = Button, .container = "", .caption = "&Off", .enabled = false, .tabIndex = 0},
    {.name = "cmdMid", .kind = Button, .container = "", .caption = "&Mid", .tabIndex = 2},
});
constexpr app::ScreenDesc kTitle = {.name = "Title", .caption = "Title", .keyPreview = true, .widgets = kTitleWidgets};

class Title final : public ProbeScreen {
public:
    Title(app::Application& application, Log& log)
        : ProbeScreen(application, kTitle, log)
    {
    }
    void Form_KeyDown(std::int16_t keyCode, std::int16_t) { noteKey(keyCode); }
    void lbl_Change() { note("lbl_Change"); }
    void lbl_Click() { note("lbl_Click"); }
    void ghost_Click() { note("ghost_Click"); }
    void cmdGo_Click() { note("cmdGo_Click"); }
    void cmdEnd_Click() { note("cmdEnd_Click"); }
    void cmdOff_Click() { note("cmdOff_Click"); }
    void cmdMid_Click() { note("cmdMid_Click"); }

protected:
    const app::Bindings& bindings() const override
    {
        static const app::Bindings rows = {
            app::on("Form", Event::KeyDown, &Title::Form_KeyDown),
            app::on("lbl", Event::Change, &Title::lbl_Change),
            app::on("lbl", Event::Click, &Title::lbl_Click),
            app::on("ghost", Event::Click, &Title::ghost_Click),
            app::on("cmdGo", Event::Click, &Title::cmdGo_Click),
            app::on("cmdEnd", Event::Click, &Title::cmdEnd_Click),
            app::on("cmdOff", Event::Click, &Title::cmdOff_Click),
            app::on("cmdMid", Event::Click, &Title::cmdMid_Click),
        };
        return rows;
    }
};

// Two more screens that listen for keys: one with a single button, one
// that stays hidden.
constexpr auto kOtherWidgets = std::to_array<app::WidgetDesc>({
    {.name = "cmdX", .kind = Button, .container = "", .caption = "&X"},
});
constexpr app::ScreenDesc kOther = {.name = "Other", .caption = "Other", .keyPreview = true, .widgets = kOtherWidgets};

class Other final : public ProbeScreen {
public:
    Other(app::Application& application, Log& log)
        : ProbeScreen(application, kOther, log)
    {
    }
    void Form_KeyDown(std::int16_t keyCode, std::int16_t) { noteKey(keyCode); }
    void cmdX_Click() { note("cmdX_Click"); }

protected:
    const app::Bindings& bindings() const override
    {
        static const app::Bindings rows = {
            app::on("Form", Event::KeyDown, &Other::Form_KeyDown),
            app::on("cmdX", Event::Click, &Other::cmdX_Click),
        };
        return rows;
    }
};

constexpr auto kBackWidgets = std::to_array<app::WidgetDesc>({
    {.name = "lbl", .kind = Label, .container = ""},
});
constexpr app::ScreenDesc kBack = {.name = "Back", .caption = "Back", .keyPreview = true, .widgets = kBackWidgets};

class Back final : public ProbeScreen {
public:
    Back(app::Application& application, Log& log)
        : ProbeScreen(application, kBack, log)
    {
    }
    void Form_KeyDown(std::int16_t keyCode, std::int16_t) { noteKey(keyCode); }

protected:
    const app::Bindings& bindings() const override
    {
        static const app::Bindings rows = {app::on("Form", Event::KeyDown, &Back::Form_KeyDown)};
        return rows;
    }
};

struct World {
    void press(int keyCode, std::int16_t shift = 0) { app.keyDown(static_cast<std::int16_t>(keyCode), shift); }
    void click(app::Screen& screen, std::string_view widget) { app.click(*screen.find(widget)); }

    app::ManualClock clock;
    app::Application app{clock};
    Log log;
    Title& title = app.add<Title>(log);
    Other& other = app.add<Other>(log);
    Back& back = app.add<Back>(log);
};

class Keys : public testing::Test, protected World {
protected:
    void SetUp() override
    {
        title.Show();
        log.clear();
    }
};

// --- Labels ------------------------------------------------------------------

TEST_F(Keys, ACaptionWriteRaisesChangeOnlyWhenTheTextChanges)
{
    struct Row {
        const char* meaning;
        std::vector<std::string> writes;
        int changes;
    };
    const Row rows[] = {
        {"the current caption again", {"hello"}, 0},
        {"a new caption", {"bye"}, 1},
        {"empty, then the same caption", {"", "hello"}, 2},
        {"the same new caption twice", {"bye", "bye"}, 1},
        {"away and back", {"bye", "hello"}, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.meaning);
        title.Unload();
        (void)title.label("lbl").caption();
        ASSERT_EQ(log, Log{}) << "a caption from the description is not a change";

        for (const std::string& text : row.writes)
            title.label("lbl").setCaption(text);

        EXPECT_EQ(log, Log(static_cast<std::size_t>(row.changes), "Title.lbl_Change"));
        EXPECT_EQ(title.label("lbl").caption(), row.writes.back());
        log.clear();
    }
}

TEST_F(Keys, ChangeRunsNestedInsideTheWrite)
{
    title.hook("lbl_Change", [&] { title.label("echo").setCaption(title.label("lbl").caption() + "!"); });
    title.hook("cmdGo_Click", [&] {
        title.label("lbl").setCaption("bye");
        log.push_back("writer reads " + title.label("echo").caption());
    });

    click(title, "cmdGo");

    EXPECT_EQ(log, (Log{"Title.cmdGo_Click", "Title.lbl_Change", "writer reads bye!"}));
}

TEST(KeysLabelClick, ALabelClickReachesItsHandlerOnlyWhenTheLabelAndItsScreenAreShown)
{
    struct Row {
        const char* meaning;
        std::function<void(Title&)> setup;
        const char* label;
        Log heard;
    };
    const Row rows[] = {
        {"a shown label", [](Title&) {}, "lbl", {"Title.lbl_Click"}},
        {"a label hidden by its description", [](Title&) {}, "ghost", {}},
        {"a label hidden by a handler", [](Title& s) { s.label("lbl").setVisible(false); }, "lbl", {}},
        {"a hidden label made visible", [](Title& s) { s.label("ghost").setVisible(true); }, "ghost",
         {"Title.ghost_Click"}},
        {"a shown label on a hidden screen", [](Title& s) { s.Hide(); }, "lbl", {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.meaning);
        World w;
        w.title.Show();
        row.setup(w.title);
        w.log.clear();

        w.click(w.title, row.label);

        EXPECT_EQ(w.log, row.heard);
    }
}

// --- Keys and buttons --------------------------------------------------------

TEST_F(Keys, WithKeyPreviewOnTheFormHearsTheKeyBeforeTheFocusedButton)
{
    press(kKeySpace);
    EXPECT_EQ(log, (Log{"Title.Form_KeyDown 32", "Title.cmdEnd_Click"}));
}

TEST_F(Keys, WithKeyPreviewOffTheFormHearsNothingButTheButtonsStillWork)
{
    title.setKeyPreview(false);

    press('A');
    press(kKeySpace);

    EXPECT_EQ(log, (Log{"Title.cmdEnd_Click"}));
}

TEST_F(Keys, AKeyDownHandlerThatSwitchesKeyPreviewOffHearsOneOfRepeatedPresses)
{
    title.hook("Form_KeyDown", [&] { title.setKeyPreview(false); });

    press('A');
    press('A');
    press('A');

    EXPECT_EQ(log, (Log{"Title.Form_KeyDown 65"}));
}

TEST(KeysPress, EachKeyPressesTheButtonItNames)
{
    struct Row {
        const char* meaning;
        int key;
        std::int16_t shift;
        Log heard;
    };
    const Row rows[] = {
        {"Space presses the focused button", kKeySpace, 0, {"Title.Form_KeyDown 32", "Title.cmdEnd_Click"}},
        {"Enter presses the focused button", kKeyEnter, 0, {"Title.Form_KeyDown 13", "Title.cmdEnd_Click"}},
        {"Alt+G presses Go, which has no focus", 'G', kAltKey, {"Title.Form_KeyDown 71", "Title.cmdGo_Click"}},
        {"Alt+N presses E&nd: the access key need not come first", 'N', kAltKey,
         {"Title.Form_KeyDown 78", "Title.cmdEnd_Click"}},
        {"G without Alt presses nothing", 'G', 0, {"Title.Form_KeyDown 71"}},
        {"Alt+O presses nothing: Off is disabled", 'O', kAltKey, {"Title.Form_KeyDown 79"}},
        {"Alt+Q presses nothing: no button has it", 'Q', kAltKey, {"Title.Form_KeyDown 81"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.meaning);
        World w;
        w.title.Show();
        w.log.clear();

        w.press(row.key, row.shift);

        EXPECT_EQ(w.log, row.heard);
    }
}

TEST(KeysPress, EveryWayThatPressesAnEnabledButtonIsIgnoredWhenItIsDisabled)
{
    struct Row {
        const char* meaning;
        std::function<void(World&)> press;
    };
    const Row rows[] = {
        {"a click", [](World& w) { w.click(w.other, "cmdX"); }},
        {"Space", [](World& w) { w.press(kKeySpace); }},
        {"Enter", [](World& w) { w.press(kKeyEnter); }},
        {"Alt with its access key", [](World& w) { w.press('X', kAltKey); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.meaning);
        World w;
        w.other.setKeyPreview(false);
        w.other.Show();

        row.press(w);
        EXPECT_EQ(w.log, (Log{"Other.cmdX_Click"})) << "enabled";

        w.log.clear();
        w.other.button("cmdX").setEnabled(false);
        row.press(w);
        EXPECT_EQ(w.log, Log{}) << "disabled";
    }
}

// --- Focus -------------------------------------------------------------------

TEST_F(Keys, FirstActivationFocusesTheEnabledButtonWithTheLowestTabIndex)
{
    EXPECT_EQ(focusName(title), "cmdEnd");
}

TEST(KeysTab, TabAndShiftTabFollowTheTabOrderSkippingDisabledButtons)
{
    struct Row {
        const char* meaning;
        bool enableOff;
        std::int16_t shift;
        std::vector<std::string> focusPath;
    };
    const Row rows[] = {
        {"Tab goes up the tab order and wraps", false, 0, {"cmdMid", "cmdGo", "cmdEnd"}},
        {"Shift+Tab goes down and wraps", false, kShiftKey, {"cmdGo", "cmdMid", "cmdEnd"}},
        {"an enabled button takes its place", true, 0, {"cmdMid", "cmdGo", "cmdOff", "cmdEnd"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.meaning);
        World w;
        w.title.Show();
        if (row.enableOff)
            w.title.button("cmdOff").setEnabled(true);

        std::vector<std::string> path;
        for (std::size_t i = 0; i < row.focusPath.size(); ++i) {
            w.press(kKeyTab, row.shift);
            path.push_back(focusName(w.title));
        }

        EXPECT_EQ(path, row.focusPath);
    }
}

TEST_F(Keys, TheFocusComesBackWhenTheScreenIsActivatedAgain)
{
    press(kKeyTab);
    ASSERT_EQ(focusName(title), "cmdMid");

    other.Show();
    app.activate(title);
    EXPECT_EQ(focusName(title), "cmdMid") << "after another screen was active";

    title.Hide();
    title.Show();
    EXPECT_EQ(focusName(title), "cmdMid") << "after hide and show";

    title.Unload();
    title.Show();
    EXPECT_EQ(focusName(title), "cmdEnd") << "a reloaded screen starts from its tab order";
}

TEST_F(Keys, DisablingTheFocusedButtonMovesTheFocusOn)
{
    // Like an OK button that disables itself from its own click.
    title.hook("cmdGo_Click", [&] { title.button("cmdGo").setEnabled(false); });

    click(title, "cmdGo");
    EXPECT_EQ(focusName(title), "cmdEnd");
    press(kKeySpace);

    EXPECT_EQ(log, (Log{"Title.cmdGo_Click", "Title.Form_KeyDown 32", "Title.cmdEnd_Click"}));
}

// --- Which screen hears a key -------------------------------------------------

TEST_F(Keys, KeysReachOnlyTheActiveScreen)
{
    (void)back.label("lbl").caption(); // loaded, hidden, KeyPreview on
    other.Show();

    press('A');
    app.activate(title);
    press('B');
    app.activate(back); // a hidden screen cannot become active
    press('C');
    press(kKeySpace);

    EXPECT_EQ(log, (Log{"Other.Form_KeyDown 65", "Title.Form_KeyDown 66", "Title.Form_KeyDown 67",
                        "Title.Form_KeyDown 32", "Title.cmdEnd_Click"}));
}

TEST_F(Keys, AKeyDownHandlerThatHidesItsScreenStopsTheKeyThere)
{
    title.hook("Form_KeyDown", [&] { title.Hide(); });

    press(kKeySpace);
    press(kKeySpace);

    EXPECT_EQ(log, (Log{"Title.Form_KeyDown 32"}));
    EXPECT_FALSE(title.isVisible());
}

} // namespace
