#pragma once

// The six screens' design descriptions, in registry order.

#include "app/Description.h"

#include <array>

namespace layouts {

extern const app::ScreenDesc Form1; // title and level choice
extern const app::ScreenDesc Form2; // keyboard window
extern const app::ScreenDesc Form3; // game screen
extern const app::ScreenDesc Form4; // ready screen
extern const app::ScreenDesc Form6; // results
extern const app::ScreenDesc Form7; // time-over

// Registry order: the order screens are created in and unloaded by a restart.
inline const std::array<const app::ScreenDesc*, 6> kAllScreens = {&Form1, &Form2, &Form3, &Form4, &Form6, &Form7};

} // namespace layouts
