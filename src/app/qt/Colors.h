#pragma once

#include "app/Description.h"

#include <QColor>

namespace qtshell {

// An &H colour of the layouts and handlers as the toolkit's colour. With the
// top bit clear the low three bytes are blue, green, red (blue highest);
// with it set the low byte names a system colour, taken from the
// application's palette so that it follows the desktop's theme.
QColor toQColor(app::Color color);

} // namespace qtshell
