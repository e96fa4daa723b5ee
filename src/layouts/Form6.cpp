#include "layouts/Icons.h"
#include "layouts/Layouts.h"

#include <array>

namespace {

using enum app::WidgetKind;
using enum app::Align;
using enum app::Border;

// The counts and the accuracy carry placeholders; the screen's load writes
// the real values over them.
// clang-format off
constexpr auto kWidgets = std::to_array<app::WidgetDesc>({
    {.name = "Frame2", .kind = Frame,  .container = "",       .left = 360,  .top = 1680, .width = 3015, .height = 975,  .backColor = 0xFF8080, .tabIndex = 6},
    {.name = "ReCmd",  .kind = Button, .container = "Frame2", .left = 1560, .top = 240,  .width = 1335, .height = 495,  .caption = "RE START(&R)", .tabIndex = 11},
    {.name = "Cmd1",   .kind = Button, .container = "Frame2", .left = 120,  .top = 240,  .width = 1335, .height = 495,  .caption = "END (&E)", .tabIndex = 7},
    {.name = "Frame1", .kind = Frame,  .container = "",       .left = 360,  .top = 120,  .width = 6015, .height = 1575, .backColor = 0xFF8080, .tabIndex = 0},
    {.name = "Lbl8",   .kind = Label,  .container = "Frame1", .left = 4680, .top = 1080, .width = 615,  .height = 375,  .caption = "00.0", .backColor = 0xFFC0FF, .border = Single, .tabIndex = 10, .fontSize = 15.75},
    {.name = "Lbl7",   .kind = Label,  .container = "Frame1", .left = 3120, .top = 1080, .width = 495,  .height = 375,  .caption = "0", .backColor = 0xFFC0FF, .align = Right, .border = Single, .tabIndex = 9, .fontSize = 15.75},
    {.name = "Lbl6",   .kind = Label,  .container = "Frame1", .left = 1320, .top = 1080, .width = 495,  .height = 375,  .caption = "0", .backColor = 0xFFC0FF, .align = Right, .border = Single, .tabIndex = 8, .fontSize = 15.75},
    {.name = "Lbl5",   .kind = Label,  .container = "Frame1", .left = 5400, .top = 1080, .width = 375,  .height = 375,  .caption = "%", .backColor = 0xC0FFFF, .align = Center, .border = Single, .tabIndex = 5, .fontSize = 14.25},
    {.name = "Lbl4",   .kind = Label,  .container = "Frame1", .left = 3720, .top = 1080, .width = 855,  .height = 375,  .caption = "正解率", .backColor = 0xC0FFFF, .border = Single, .tabIndex = 4, .fontSize = 11.25},
    {.name = "Lbl3",   .kind = Label,  .container = "Frame1", .left = 2040, .top = 1080, .width = 855,  .height = 375,  .caption = "ミ  ス", .backColor = 0xC0FFFF, .border = Single, .tabIndex = 3, .fontSize = 14.25},
    {.name = "Lbl2",   .kind = Label,  .container = "Frame1", .left = 240,  .top = 1080, .width = 855,  .height = 375,  .caption = "正解", .backColor = 0xC0FFFF, .border = Single, .tabIndex = 2, .fontSize = 14.25},
    {.name = "Lbl1",   .kind = Label,  .container = "Frame1", .left = 240,  .top = 240,  .width = 5415, .height = 615,  .backColor = 0xC0FFC0, .border = Single, .tabIndex = 1, .fontSize = 14.25},
});
// clang-format on

} // namespace

constinit const app::ScreenDesc layouts::Form6 = {
    .name = "Form6",
    .caption = " テク・ラン  結果表示",
    .left = 1170,
    .top = 1500,
    .width = 6780,
    .height = 2880,
    .backColor = 0xFFC0C0,
    .closeBox = app::CloseBox::EndsProgram,
    .icon = &layouts::kResultsIcon,
    .widgets = kWidgets,
};
