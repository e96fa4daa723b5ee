#pragma once

// One input of a random play session, and its text form. The text form is
// what a failing run prints and what regression tables hold, so it names
// screens and widgets as the layouts do:
//
//   key 65 Shift+Alt        a key press: code 0-255 and the Shift/Ctrl/Alt mask
//   click Form4.lbl2        a click on a widget (skipped if its screen is unloaded)
//   click Form2.Label1(5)   ... on an element of a label array
//   activate Form3          the player brings a window to the front
//   close Form2             the player presses a window's close box
//   wait 1200               virtual time passes, due timers tick
//   draw K                  the game's random source gives this key from now on
//   wander                  ... and from now on another key at every draw
//
// Names are resolved against the layouts, so a parsed event refers to the
// descriptions' own strings and stays valid for the whole process.

#include "app/Description.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace testing_support {

enum class PlayAction : std::uint8_t { Key, Click, Activate, Close, Wait, Draw, Wander };

struct PlayEvent {
    PlayAction action = PlayAction::Wait;
    std::int16_t keyCode = 0;     // Key
    std::int16_t shift = 0;       // Key: app::ShiftMask bits
    int keyIndex = 0;             // Draw
    std::string_view screen = {}; // Click, Activate, Close
    std::string_view widget = {}; // Click
    int index = -1;               // Click: array element, -1 for a single widget
    std::int64_t ms = 0;          // Wait
};

inline PlayEvent keyEvent(int keyCode, int shift = 0)
{
    return {.action = PlayAction::Key,
            .keyCode = static_cast<std::int16_t>(keyCode),
            .shift = static_cast<std::int16_t>(shift)};
}
inline PlayEvent clickEvent(const app::ScreenDesc& screen, const app::WidgetDesc& widget)
{
    return {.action = PlayAction::Click, .screen = screen.name, .widget = widget.name, .index = widget.index};
}
inline PlayEvent activateEvent(std::string_view screen)
{
    return {.action = PlayAction::Activate, .screen = screen};
}
inline PlayEvent closeEvent(std::string_view screen)
{
    return {.action = PlayAction::Close, .screen = screen};
}
inline PlayEvent waitEvent(std::int64_t ms)
{
    return {.action = PlayAction::Wait, .ms = ms};
}
inline PlayEvent drawEvent(int keyIndex)
{
    return {.action = PlayAction::Draw, .keyIndex = keyIndex};
}
inline PlayEvent wanderEvent()
{
    return {.action = PlayAction::Wander};
}

std::string toText(const PlayEvent& e);

// The inverse of toText; throws std::invalid_argument on anything else.
PlayEvent parsePlayEvent(std::string_view text);

} // namespace testing_support
