#pragma once

// Twips (1/1440 inch) of the layouts to the toolkit's logical pixels, by
// the display's logical resolution: at 96 dots per inch 15 twips are one
// pixel.

#include "app/Description.h"

#include <QRect>

namespace qtshell {

inline constexpr double kTwipsPerInch = 1440.0;

// The primary display's logical dots per inch (96 when there is no display).
double logicalDpi();

int twipsToPixels(int twips, double dpi);

// A widget's rectangle in its container. The edges are rounded rather than
// the width, so that neighbours sharing a border line in twips still share
// it in pixels at any resolution.
QRect widgetRect(const app::WidgetDesc& desc, double dpi);

// A window's client area on the display.
QRect clientRect(const app::ScreenDesc& desc, double dpi);

} // namespace qtshell
