#pragma once

// Pictures drawn for this program, 16 colours each, at 16 and 32 pixels.
// Pixel characters index the Windows 16-colour palette (app::kIconPalette):
// 0 black, 1 maroon, 2 green, 3 olive, 4 navy, 5 purple, 6 teal, 7 silver,
// 8 grey, 9 red, a lime, b yellow, c blue, d fuchsia, e aqua, f white.

#include "app/Description.h"

namespace layouts {


extern const app::IconDesc kTitleIcon;    // title screen; also the program's icon
extern const app::IconDesc kKeyboardIcon; // keyboard window
extern const app::IconDesc kGameIcon;     // game screen and time-over screen
extern const app::IconDesc kReadyIcon;    // ready screen
extern const app::IconDesc kResultsIcon;  // results screen

} // namespace layouts
