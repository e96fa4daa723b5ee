#include "layouts/Icons.h"
#include "layouts/Layouts.h"

#include <array>

namespace {

using enum app::WidgetKind;
using enum app::Align;
using enum app::Border;

// Frames come before what they hold, so each row's container already exists
// when the row is created; "" is the client area.
// clang-format off
constexpr auto kWidgets = std::to_array<app::WidgetDesc>({
    {.name = "Frame3", .kind = Frame,  .container = "",       .left = 5640, .top = 2400, .width = 1335, .height = 855,  .backColor = 0xFFFFC0, .tabIndex = 8},
    {.name = "cmd4",   .kind = Button, .container = "Frame3", .left = 120,  .top = 240,  .width = 1095, .height = 495,  .caption = "START (&A)", .enabled = false, .tabIndex = 9},
    {.name = "Frame2", .kind = Frame,  .container = "",       .left = 120,  .top = 2400, .width = 4935, .height = 855,  .backColor = 0xFFFFC0, .tabIndex = 5},
    {.name = "cmdok",  .kind = Button, .container = "Frame2", .left = 3360, .top = 240,  .width = 1335, .height = 495,  .caption = "OK  (&Q)", .enabled = false, .tabIndex = 7, .fontSize = 9.75},
    {.name = "lbl2",   .kind = Label,  .container = "Frame2", .left = 120,  .top = 240,  .width = 2775, .height = 495,  .backColor = 0xC0FFC0, .border = Single, .tabIndex = 6, .fontSize = 14.25},
    {.name = "Frame1", .kind = Frame,  .container = "",       .left = 120,  .top = 1200, .width = 4935, .height = 1095, .backColor = 0xFFFFC0, .tabIndex = 1},
    {.name = "cmd3",   .kind = Button, .container = "Frame1", .left = 3360, .top = 360,  .width = 1335, .height = 495,  .caption = "レベル ３ (&3)", .tabIndex = 4, .fontSize = 9.75},
    {.name = "cmd2",   .kind = Button, .container = "Frame1", .left = 1800, .top = 360,  .width = 1335, .height = 495,  .caption = "レベル ２ (&2)", .tabIndex = 3, .fontSize = 9.75},
    {.name = "cmd1",   .kind = Button, .container = "Frame1", .left = 240,  .top = 360,  .width = 1335, .height = 495,  .caption = "レベル １ (&1)", .tabIndex = 2, .fontSize = 9.75},
    {.name = "Lbl3",   .kind = Label,  .container = "",       .left = 5160, .top = 1320, .width = 375,  .height = 375,  .caption = "0", .visible = false, .align = Center, .tabIndex = 10},
    {.name = "lbl1",   .kind = Label,  .container = "",       .left = 120,  .top = 240,  .width = 6855, .height = 855,  .caption = "テク・ラン  Ver 1.0", .backColor = 0xC0FFC0, .align = Center, .border = Single, .tabIndex = 0, .fontSize = 36},
});
// clang-format on

} // namespace

constinit const app::ScreenDesc layouts::Form1 = {
    .name = "Form1",
    .caption = " テク・ラン  Ver  1.0",
    .left = 1215,
    .top = 1530,
    .width = 7095,
    .height = 3435,
    .backColor = 0xFFFFC0,
    .closeBox = app::CloseBox::EndsProgram,
    .icon = &layouts::kTitleIcon,
    .widgets = kWidgets,
};
