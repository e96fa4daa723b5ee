#include "layouts/Icons.h"
#include "layouts/KeyCaps.h"
#include "layouts/Layouts.h"

#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>

namespace {

using enum app::WidgetKind;
using enum app::Align;
using enum app::Border;


template <std::size_t... N>
constexpr std::array<app::WidgetDesc, (N + ...)> join(const std::array<app::WidgetDesc, N>&... parts)
{
    std::array<app::WidgetDesc, (N + ...)> rows{};
    std::size_t at = 0;
    for (std::span<const app::WidgetDesc> part : {std::span<const app::WidgetDesc>(parts)...}) {
        for (const app::WidgetDesc& row : part)
            rows[at++] = row;
    }
    return rows;
}

// Timers have no place on screen and sit on the client area; their rows are
// interleaved where they are created.
// clang-format off
constexpr auto kBeforeKeyCaps = std::to_array<app::WidgetDesc>({
    {.name = "Mtim1",  .kind = Timer, .container = "",       .enabled = false, .intervalMs = 100},
    {.name = "Frame1", .kind = Frame, .container = "",       .left = 120,  .top = 6000, .width = 8655, .height = 2415, .backColor = 0xFFFFC0, .tabIndex = 12},
    {.name = "Hlbl2",  .kind = Label, .container = "Frame1", .left = 7440, .top = 240,  .width = 495,  .height = 495,  .tabIndex = 50},
    {.name = "Hlbl1",  .kind = Label, .container = "Frame1", .left = 8040, .top = 240,  .width = 495,  .height = 495,  .tabIndex = 49},
});

constexpr auto kAfterKeyCaps = std::to_array<app::WidgetDesc>({
    {.name = "Tim3",   .kind = Timer, .container = "",       .enabled = false, .intervalMs = 1000},
    {.name = "Tim6",   .kind = Timer, .container = "",       .enabled = false, .intervalMs = 1700},
    {.name = "Tim5",   .kind = Timer, .container = "",       .enabled = false, .intervalMs = 3000},
    {.name = "Frame5", .kind = Frame, .container = "",       .left = 5400, .top = 240,  .width = 3495, .height = 1215, .backColor = 0xFFFFC0, .tabIndex = 6},
    {.name = "Lbl5",   .kind = Label, .container = "Frame5", .left = 120,  .top = 720,  .width = 2535, .height = 375,  .backColor = 0xC0FFFF, .border = Single, .tabIndex = 11, .fontSize = 9.75},
    {.name = "Lbl14",  .kind = Label, .container = "Frame5", .left = 2760, .top = 240,  .width = 495,  .height = 375,  .caption = "秒", .backColor = 0xC0FFFF, .align = Center, .border = Single, .tabIndex = 9, .fontSize = 11.25},
    {.name = "Lbl11",  .kind = Label, .container = "Frame5", .left = 120,  .top = 240,  .width = 1695, .height = 375,  .caption = "終了時間まで後", .backColor = 0xC0FFFF, .border = Single, .tabIndex = 8, .fontSize = 11.25},
    {.name = "Lbl10",  .kind = Label, .container = "Frame5", .left = 2040, .top = 240,  .width = 615,  .height = 375,  .backColor = 0xFFC0C0, .align = Center, .border = Single, .tabIndex = 7},
    {.name = "Tim4",   .kind = Timer, .container = "",       .enabled = false, .intervalMs = 5000},
    {.name = "tim2",   .kind = Timer, .container = "",       .enabled = false, .intervalMs = 200},
    {.name = "Frame3", .kind = Frame, .container = "",       .left = 840,  .top = 240,  .width = 3495, .height = 3615, .backColor = 0xFFFFC0, .tabIndex = 3},
    {.name = "lbl2",   .kind = Label, .container = "Frame3", .left = 480,  .top = 240,  .width = 735,  .height = 375,  .caption = "問題", .backColor = 0xC0FFFF, .border = Single, .tabIndex = 5, .fontSize = 14.25},
    {.name = "lbl1",   .kind = Label, .container = "Frame3", .left = 480,  .top = 600,  .width = 2415, .height = 2295, .backColor = 0xC0FFC0, .align = Center, .border = Single, .tabIndex = 4, .fontSize = 72},
    {.name = "tim1",   .kind = Timer, .container = "",       .intervalMs = 1},
    {.name = "lbl15",  .kind = Label, .container = "",       .left = 5280, .top = 3600, .width = 495,  .height = 375,  .visible = false, .align = Center, .tabIndex = 10, .fontSize = 12},
    {.name = "lbl9",   .kind = Label, .container = "",       .left = 4440, .top = 3360, .width = 735,  .height = 615,  .backColor = 0xC0FFC0, .visible = false, .align = Center, .border = Single, .tabIndex = 2, .fontSize = 20.25},
    {.name = "lbl4",   .kind = Label, .container = "",       .left = 7200, .top = 1560, .width = 1695, .height = 495,  .caption = "ミスタッチ", .backColor = 0xFF, .visible = false, .border = Single, .tabIndex = 1, .fontSize = 20.25},
    {.name = "lbl3",   .kind = Label, .container = "",       .left = 5400, .top = 1560, .width = 1695, .height = 495,  .caption = "OK", .backColor = 0xFFC0C0, .visible = false, .align = Center, .border = Single, .tabIndex = 0, .fontSize = 26.25},
});
// clang-format on

// The game's own copy of the keyboard lies inside Frame1, below the visible
// area: the player never sees it, but targets are drawn from its captions and
// pressed keys are marked on it.
constexpr auto kWidgets = join(kBeforeKeyCaps, layouts::keyCapRows(layouts::KeyCapScreen::Game), kAfterKeyCaps);

} // namespace

// Key preview is on so that the screen's key handler judges every key.
constinit const app::ScreenDesc layouts::Form3 = {
    .name = "Form3",
    .caption = " テク・ラン  Ver 1.0",
    .left = 1185,
    .top = 1455,
    .width = 9000,
    .height = 4065,
    .backColor = 0xFFFFC0,
    .keyPreview = true,
    .closeBox = app::CloseBox::HidesScreen,
    .icon = &layouts::kGameIcon,
    .widgets = kWidgets,
};
