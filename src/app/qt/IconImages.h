#pragma once

// The layouts' 16-colour pictures as toolkit images.

#include "app/Description.h"

#include <QColor>
#include <QIcon>
#include <QImage>

namespace qtshell {

// The colour of one pixel character ('0'-'9', 'a'-'f', either case) in the
// standard 16-colour palette; any other character is transparent.
QColor paletteColor(char pixel);

QImage toQImage(const app::IconImage& image);

// Both sizes of a screen's picture, for the title bar and the task bar.
QIcon toQIcon(const app::IconDesc& icon);

} // namespace qtshell
