#pragma once

// Numbers travel between screens as label texts; these convert both ways.

#include <string>
#include <string_view>

namespace screens {

// The number a text spells, as far as it spells one: "12" is 12, "" is 0.
double valueOf(std::string_view text);

// General decimal form of a value in 0 to 100: at most 15 significant
// digits, no trailing zeros, no bare decimal point ("90", "87.5",
// "66.6666666666667").
std::string generalText(double value);

} // namespace screens
