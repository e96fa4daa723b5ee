#pragma once

// Both end screens stop every timer of the game screen, in this order.

#include "app/Screen.h"

#include <array>
#include <string_view>

namespace screens {

inline void stopGameTimers(app::Screen& game)
{
    static constexpr std::array<std::string_view, 7> kOrder = {"Mtim1", "Tim4", "Tim5", "Tim6", "tim1", "tim2", "Tim3"};
    for (std::string_view name : kOrder)
        game.timer(name).setEnabled(false);
}

} // namespace screens
