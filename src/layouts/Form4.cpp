#include "layouts/Icons.h"
#include "layouts/Layouts.h"

#include <array>

namespace {

using enum app::WidgetKind;
using enum app::Align;
using enum app::Border;

// Frame1 fills the client area and holds everything, the two flash timers
// included.
// clang-format off
constexpr auto kWidgets = std::to_array<app::WidgetDesc>({
    {.name = "Frame1",   .kind = Frame,  .container = "",       .left = 0,    .top = 0,    .width = 6735, .height = 3135, .backColor = 0x80FF80, .tabIndex = 0},
    {.name = "Tim2",     .kind = Timer,  .container = "Frame1", .enabled = false, .intervalMs = 100},
    {.name = "Tim1",     .kind = Timer,  .container = "Frame1", .enabled = false, .intervalMs = 100},
    {.name = "Frame4",   .kind = Frame,  .container = "Frame1", .left = 5040, .top = 1800, .width = 1575, .height = 1215, .backColor = 0xC0FFC0, .tabIndex = 6},
    {.name = "Mlbl",     .kind = Label,  .container = "Frame4", .left = 960,  .top = 720,  .width = 495,  .height = 375,  .caption = "0", .backColor = 0xFFC0FF, .align = Right, .border = Single, .tabIndex = 12, .fontSize = 15.75},
    {.name = "Slbl",     .kind = Label,  .container = "Frame4", .left = 960,  .top = 240,  .width = 495,  .height = 375,  .caption = "0", .backColor = 0xFFC0FF, .align = Right, .border = Single, .tabIndex = 11, .fontSize = 15.75},
    {.name = "Label2",   .kind = Label,  .container = "Frame4", .left = 120,  .top = 720,  .width = 735,  .height = 375,  .caption = "ミ ス", .backColor = 0xC0FFFF, .align = Center, .border = Single, .tabIndex = 8, .fontSize = 12},
    {.name = "Label1",   .kind = Label,  .container = "Frame4", .left = 120,  .top = 240,  .width = 735,  .height = 375,  .caption = "正解", .backColor = 0xC0FFFF, .align = Center, .border = Single, .tabIndex = 7, .fontSize = 12},
    {.name = "Frame3",   .kind = Frame,  .container = "Frame1", .left = 5040, .top = 120,  .width = 1575, .height = 1575, .backColor = 0xC0FFC0, .tabIndex = 5},
    {.name = "Command2", .kind = Button, .container = "Frame3", .left = 120,  .top = 960,  .width = 1335, .height = 495,  .caption = "キーボード(&Q)", .tabIndex = 10},
    {.name = "Command1", .kind = Button, .container = "Frame3", .left = 120,  .top = 240,  .width = 1335, .height = 495,  .caption = "END(&E)", .tabIndex = 9, .fontSize = 9.75},
    {.name = "Frame2",   .kind = Frame,  .container = "Frame1", .left = 120,  .top = 120,  .width = 3735, .height = 975,  .backColor = 0xC0FFC0, .tabIndex = 3},
    {.name = "Lbl3",     .kind = Label,  .container = "Frame2", .left = 120,  .top = 240,  .width = 3375, .height = 615,  .backColor = 0xC0FFFF, .border = Single, .tabIndex = 4, .fontSize = 21.75},
    {.name = "lbl2",     .kind = Label,  .container = "Frame1", .left = 120,  .top = 1800, .width = 4215, .height = 855,  .caption = "Push  [ Ctrl ]", .backColor = 0xFFFF80, .align = Center, .border = Single, .tabIndex = 2, .fontSize = 36},
    {.name = "lbl1",     .kind = Label,  .container = "Frame1", .left = 120,  .top = 1200, .width = 4815, .height = 495,  .caption = "準備が出来たら「コントロール・キ」を押してネ！", .backColor = 0xFFFFC0, .border = Single, .tabIndex = 1, .fontSize = 12},
});
// clang-format on

} // namespace

constinit const app::ScreenDesc layouts::Form4 = {
    .name = "Form4",
    .caption = " テク・ラン  Ver  1.0",
    .left = 1155,
    .top = 1470,
    .width = 6825,
    .height = 3165,
    .backColor = 0xC0FFC0,
    .keyPreview = true,
    .closeBox = app::CloseBox::EndsProgram,
    .icon = &layouts::kReadyIcon,
    .widgets = kWidgets,
};
