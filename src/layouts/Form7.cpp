#include "layouts/Icons.h"
#include "layouts/Layouts.h"

#include <array>

namespace {

using enum app::WidgetKind;
using enum app::Border;

// clang-format off
constexpr auto kWidgets = std::to_array<app::WidgetDesc>({
    {.name = "Frame1",       .kind = Frame,  .container = "",       .left = 5400, .top = 120,  .width = 1695, .height = 1695, .backColor = 0x80FF80, .tabIndex = 2},
    {.name = "ReCmd",        .kind = Button, .container = "Frame1", .left = 120,  .top = 240,  .width = 1455, .height = 615,  .caption = "RE START(&R)", .tabIndex = 4},
    {.name = "Cmd2Command4", .kind = Button, .container = "Frame1", .left = 120,  .top = 960,  .width = 1455, .height = 615,  .caption = "END(&E)", .tabIndex = 3},
    {.name = "Lbl2",         .kind = Label,  .container = "",       .left = 960,  .top = 1080, .width = 4215, .height = 615,  .caption = "ガンバレ！！ファイト！", .backColor = 0xFF8080, .border = Single, .tabIndex = 1, .fontSize = 20.25},
    {.name = "Lbl1",         .kind = Label,  .container = "",       .left = 120,  .top = 240,  .width = 4935, .height = 615,  .caption = "もっと練習しなくっちゃ！！", .backColor = 0xFFC0FF, .border = Single, .tabIndex = 0, .fontSize = 20.25},
});
// clang-format on

} // namespace

// Without a close box the game's end can only be left through RE START or END.
constinit const app::ScreenDesc layouts::Form7 = {
    .name = "Form7",
    .caption = " テク・ラン  Ver  1.0   <<< END >>>",
    .left = 1185,
    .top = 1515,
    .width = 7170,
    .height = 1830,
    .backColor = 0xC0FFC0,
    .closeBox = app::CloseBox::Absent,
    .icon = &layouts::kGameIcon,
    .widgets = kWidgets,
};
