#include "layouts/Icons.h"
#include "layouts/KeyTable.h"
#include "layouts/Layouts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

using app::ScreenDesc;
using app::WidgetDesc;
using app::WidgetKind;

// How a handler addresses a row: "lbl1", or "Label1(12)" for an array element.
std::string rowName(const WidgetDesc& widget)
{
    std::string name(widget.name);
    if (widget.index >= 0)
        name += "(" + std::to_string(widget.index) + ")";
    return name;
}

std::vector<std::string> creationOrder(const ScreenDesc& screen)
{
    std::vector<std::string> names;
    for (const WidgetDesc& widget : screen.widgets)
        names.push_back(rowName(widget));
    return names;
}

const WidgetDesc* find(const ScreenDesc& screen, std::string_view name, int index = -1)
{
    for (const WidgetDesc& widget : screen.widgets) {
        if (widget.name == name && widget.index == index)
            return &widget;
    }
    return nullptr;
}

struct ScreenCase {
    const ScreenDesc* screen;
    int tabCount; // tab indexes run from 0 to tabCount - 1
};

// Names the screen in failure messages instead of dumping the struct's bytes.
void PrintTo(const ScreenCase& screenCase, std::ostream* out)
{
    *out << screenCase.screen->name;
}

class EveryScreen : public testing::TestWithParam<ScreenCase> {
protected:
    const ScreenDesc& screen() const { return *GetParam().screen; }
};

TEST_P(EveryScreen, ContainersAreFramesCreatedEarlier)
{
    std::set<std::string_view> frames;
    for (const WidgetDesc& widget : screen().widgets) {
        if (!widget.container.empty()) {
            EXPECT_TRUE(frames.contains(widget.container)) << rowName(widget) << " in " << widget.container;
        }
        if (widget.kind == WidgetKind::Frame)
            frames.insert(widget.name);
    }
}

TEST_P(EveryScreen, TabIndexesAreEachUsedOnce)
{
    std::vector<int> tabs;
    for (const WidgetDesc& widget : screen().widgets) {
        if (widget.kind != WidgetKind::Timer)
            tabs.push_back(widget.tabIndex);
    }
    std::sort(tabs.begin(), tabs.end());
    std::vector<int> expected(static_cast<std::size_t>(GetParam().tabCount));
    std::iota(expected.begin(), expected.end(), 0);
    EXPECT_EQ(tabs, expected);
}

TEST_P(EveryScreen, NamesAreUnique)
{
    std::set<std::string> seen;
    for (const WidgetDesc& widget : screen().widgets)
        EXPECT_TRUE(seen.insert(rowName(widget)).second) << rowName(widget);
}

TEST_P(EveryScreen, ArrayElementsRunContiguouslyDownToZero)
{
    const auto rows = screen().widgets;
    std::set<std::string_view> finished;
    std::size_t at = 0;
    while (at < rows.size()) {
        const std::string_view name = rows[at].name;
        EXPECT_FALSE(finished.contains(name)) << name << " appears again after its array";
        if (rows[at].index < 0) {
            ++at;
            continue;
        }
        int expected = rows[at].index;
        for (; at < rows.size() && rows[at].name == name; ++at, --expected)
            EXPECT_EQ(rows[at].index, expected) << name;
        EXPECT_EQ(expected, -1) << name << " stops before index 0";
        finished.insert(name);
    }
}

TEST_P(EveryScreen, TimersHaveAnIntervalAndNothingElseHasOne)
{
    for (const WidgetDesc& widget : screen().widgets) {
        if (widget.kind == WidgetKind::Timer)
            EXPECT_GT(widget.intervalMs, 0) << rowName(widget);
        else
            EXPECT_EQ(widget.intervalMs, 0) << rowName(widget);
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, EveryScreen,
                         testing::Values(ScreenCase{&layouts::Form1, 11}, ScreenCase{&layouts::Form2, 36},
                                         ScreenCase{&layouts::Form3, 51}, ScreenCase{&layouts::Form4, 13},
                                         ScreenCase{&layouts::Form6, 12}, ScreenCase{&layouts::Form7, 5}),
                         [](const testing::TestParamInfo<ScreenCase>& test) {
                             return std::string(test.param.screen->name);
                         });

struct KeyCapCase {
    const char* what;
    int index;
    std::string_view gameCaption;
    std::string_view keyboardCaption;
    int gameLeft, gameTop;
    int keyboardLeft, keyboardTop;
};

const KeyCapCase kKeyCapCases[] = {
    {"first digit, full-width on the keyboard window", 0, "1", "１", 0, 120, 600, 0},
    {"zero key captioned 00", 9, "00", "00", 4320, 120, 4920, 0},
    {"start of the Q row", 10, "Q", "Q", 0, 600, 840, 480},
    {"start of the A row", 20, "A", "A", 0, 1080, 1200, 960},
    {"start of the Z row", 29, "Z", "Z", 0, 1560, 1440, 1440},
    {"last key", 35, "M", "M", 2880, 1560, 4320, 1440},
};

TEST(KeyCaps, SitWhereTheKeyCapTablePutsThem)
{
    for (const KeyCapCase& c : kKeyCapCases) {
        SCOPED_TRACE(c.what);
        const WidgetDesc* game = find(layouts::Form3, "Label1", c.index);
        const WidgetDesc* keyboard = find(layouts::Form2, "Label1", c.index);
        ASSERT_NE(game, nullptr);
        ASSERT_NE(keyboard, nullptr);

        EXPECT_EQ(game->caption, c.gameCaption);
        EXPECT_EQ(game->container, "Frame1");
        EXPECT_EQ(game->left, c.gameLeft);
        EXPECT_EQ(game->top, c.gameTop);
        EXPECT_EQ(game->tabIndex, 13 + c.index);
        EXPECT_EQ(game->backColor, 0xC0FFC0u);

        EXPECT_EQ(keyboard->caption, c.keyboardCaption);
        EXPECT_EQ(keyboard->container, "");
        EXPECT_EQ(keyboard->left, c.keyboardLeft);
        EXPECT_EQ(keyboard->top, c.keyboardTop);
        EXPECT_EQ(keyboard->tabIndex, c.index);
        EXPECT_EQ(keyboard->backColor, app::kButtonFace);

        for (const WidgetDesc* cap : {game, keyboard}) {
            EXPECT_EQ(cap->width, 495);
            EXPECT_EQ(cap->height, 495);
            EXPECT_EQ(cap->align, app::Align::Center);
            EXPECT_EQ(cap->border, app::Border::Single);
            EXPECT_EQ(cap->fontSize, 24.0);
        }
    }
}

TEST(KeyCaps, NeighboursOverlapByFifteenTwips)
{
    for (const ScreenDesc* screen : {&layouts::Form3, &layouts::Form2}) {
        for (int i = 0; i + 1 < layouts::kKeyCount; ++i) {
            SCOPED_TRACE(std::string(screen->name) + " key " + std::to_string(i));
            const WidgetDesc* cap = find(*screen, "Label1", i);
            const WidgetDesc* next = find(*screen, "Label1", i + 1);
            ASSERT_NE(cap, nullptr);
            ASSERT_NE(next, nullptr);
            const auto& keys = layouts::kKeys;
            if (keys[static_cast<std::size_t>(i)].row == keys[static_cast<std::size_t>(i) + 1].row) {
                EXPECT_EQ(next->top, cap->top);
                EXPECT_EQ(cap->left + cap->width - next->left, 15);
            } else {
                EXPECT_EQ(cap->top + cap->height - next->top, 15);
            }
        }
    }
}

TEST(Timers, OnlyTheTargetDrawingTimerStartsEnabled)
{
    std::vector<std::string> enabled;
    for (const ScreenDesc* screen : layouts::kAllScreens) {
        for (const WidgetDesc& widget : screen->widgets) {
            if (widget.kind == WidgetKind::Timer && widget.enabled)
                enabled.push_back(std::string(screen->name) + "." + rowName(widget));
        }
    }
    EXPECT_EQ(enabled, std::vector<std::string>{"Form3.tim1"});
    EXPECT_EQ(find(layouts::Form3, "tim1")->intervalMs, 1);
}

TEST(CreationOrder, GameScreen)
{
    std::vector<std::string> expected = {"Mtim1", "Frame1", "Hlbl2", "Hlbl1"};
    for (int i = layouts::kKeyCount - 1; i >= 0; --i)
        expected.push_back("Label1(" + std::to_string(i) + ")");
    for (const char* name : {"Tim3", "Tim6", "Tim5", "Frame5", "Lbl5", "Lbl14", "Lbl11", "Lbl10", "Tim4", "tim2",
                             "Frame3", "lbl2", "lbl1", "tim1", "lbl15", "lbl9", "lbl4", "lbl3"})
        expected.push_back(name);
    EXPECT_EQ(creationOrder(layouts::Form3), expected);
}

TEST(CreationOrder, ReadyScreen)
{
    const std::vector<std::string> expected = {"Frame1", "Tim2",     "Tim1",     "Frame4", "Mlbl",
                                               "Slbl",   "Label2",   "Label1",   "Frame3", "Command2",
                                               "Command1", "Frame2", "Lbl3",     "lbl2",   "lbl1"};
    EXPECT_EQ(creationOrder(layouts::Form4), expected);
    EXPECT_EQ(find(layouts::Form4, "Tim1")->container, "Frame1");
}

TEST(GameScreen, HiddenStoreLiesBelowTheClientArea)
{
    const WidgetDesc* frame = find(layouts::Form3, "Frame1");
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->container, "");
    EXPECT_GT(frame->top, layouts::Form3.height);
}

struct CaptionCase {
    const ScreenDesc* screen;
    std::string_view widget; // empty: the window caption
    std::string_view caption;
};

TEST(Captions, KeepTheirSpacesExactly)
{
    const CaptionCase cases[] = {
        {&layouts::Form1, "", " テク・ラン  Ver  1.0"},
        {&layouts::Form1, "lbl1", "テク・ラン  Ver 1.0"},
        {&layouts::Form1, "cmdok", "OK  (&Q)"},
        {&layouts::Form3, "", " テク・ラン  Ver 1.0"},
        {&layouts::Form4, "lbl2", "Push  [ Ctrl ]"},
        {&layouts::Form4, "Label2", "ミ ス"},
        {&layouts::Form6, "Lbl3", "ミ  ス"},
        {&layouts::Form7, "", " テク・ラン  Ver  1.0   <<< END >>>"},
    };
    for (const CaptionCase& c : cases) {
        SCOPED_TRACE(std::string(c.screen->name) + "." + std::string(c.widget));
        if (c.widget.empty()) {
            EXPECT_EQ(c.screen->caption, c.caption);
            continue;
        }
        const WidgetDesc* widget = find(*c.screen, c.widget);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->caption, c.caption);
    }
}

void expectWellFormed(const app::IconImage& image, int size)
{
    EXPECT_EQ(image.size, size);
    ASSERT_EQ(image.rows.size(), static_cast<std::size_t>(size));
    std::set<char> colours;
    for (std::string_view row : image.rows) {
        EXPECT_EQ(row.size(), static_cast<std::size_t>(size)) << row;
        for (char pixel : row) {
            EXPECT_NE(std::string_view("0123456789abcdef").find(pixel), std::string_view::npos) << row;
            colours.insert(pixel);
        }
    }
    EXPECT_GE(colours.size(), 3u) << "hardly a picture";
}

TEST(Icons, AreSixteenAndThirtyTwoPixelHexGrids)
{
    for (const app::IconDesc* icon : {&layouts::kTitleIcon, &layouts::kKeyboardIcon, &layouts::kGameIcon,
                                      &layouts::kReadyIcon, &layouts::kResultsIcon}) {
        expectWellFormed(icon->small, 16);
        expectWellFormed(icon->large, 32);
    }
    for (const ScreenDesc* screen : layouts::kAllScreens)
        EXPECT_NE(screen->icon, nullptr) << screen->name;
}

} // namespace
