#include "layouts/Icons.h"
#include "layouts/KeyTable.h"
#include "layouts/Layouts.h"

#include <array>
#include <cstddef>

namespace {

using enum app::WidgetKind;
using enum app::Align;
using enum app::Border;

// The keyboard window holds nothing but its key caps, taken from the key
// table so that both screens' keyboards come from one source. Array elements
// are created from the highest index down to 0. The caps keep the label's
// default background: the game paints the target red over it.
constexpr auto kWidgets = [] {
    std::array<app::WidgetDesc, layouts::kKeyCount> caps{};
    for (std::size_t row = 0; row < caps.size(); ++row) {
        const layouts::Key& key = layouts::kKeys[caps.size() - 1 - row];
        caps[row] = {
            .name = "Label1",
            .kind = Label,
            .container = "",
            .index = key.index,
            .left = key.keyboardLeft,
            .top = key.keyboardTop,
            .width = layouts::kKeyCapSize,
            .height = layouts::kKeyCapSize,
            .caption = key.keyboardCaption,
            .align = Center,
            .border = Single,
            .tabIndex = key.index,
            .fontSize = 24,
        };
    }
    return caps;
}();

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
