#include "layouts/Icons.h"
#include "layouts/KeyCaps.h"
#include "layouts/Layouts.h"

namespace {

// The keyboard window holds nothing but its key caps.
constexpr auto kWidgets = layouts::keyCapRows(layouts::KeyCapScreen::Keyboard);

} // namespace

constinit const app::ScreenDesc layouts::Form2 = {
    .name = "Form2",
    .caption = " キーボード・レイアウト",
    .left = 5820,
    .top = 8745,
    .width = 6780,
    .height = 1980,
    .backColor = 0xC0FFC0,
    .closeBox = app::CloseBox::HidesScreen,
    .icon = &layouts::kKeyboardIcon,
    .widgets = kWidgets,
};
