#pragma once

// The key-cap label arrays of the game screen and the keyboard window, both
// generated from the key table so that the two keyboards have one source.
// Array elements are created from the highest index down to 0.

#include "app/Description.h"
#include "layouts/KeyTable.h"

#include <array>
#include <cstddef>

namespace layouts {

enum class KeyCapScreen { Game, Keyboard };

constexpr std::array<app::WidgetDesc, kKeyCount> keyCapRows(KeyCapScreen screen)
{
    const bool game = screen == KeyCapScreen::Game;
    std::array<app::WidgetDesc, kKeyCount> caps{};
    for (std::size_t row = 0; row < caps.size(); ++row) {
        const Key& key = kKeys[caps.size() - 1 - row];
        caps[row] = {
            .name = "Label1",
            .kind = app::WidgetKind::Label,
            .container = game ? "Frame1" : "",
            .index = key.index,
            .left = game ? key.gameLeft : key.keyboardLeft,
            .top = game ? key.gameTop : key.keyboardTop,
            .width = kKeyCapSize,
            .height = kKeyCapSize,
            .caption = game ? key.caption : key.keyboardCaption,
            // The keyboard window's caps keep the label default: the game
            // paints the target red over it.
            .backColor = game ? 0xC0FFC0 : app::kButtonFace,
            .align = app::Align::Center,
            .border = app::Border::Single,
            .tabIndex = game ? 13 + key.index : key.index,
            .fontSize = 24,
        };
    }
    return caps;
}

} // namespace layouts
