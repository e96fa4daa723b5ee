#include "screens/NumberText.h"

#include <charconv>
#include <cstdio>

namespace screens {

double valueOf(std::string_view text)
{
    double value = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    while (first != last && *first == ' ')
        ++first;
    if (std::from_chars(first, last, value).ec != std::errc{})
        return 0;
    return value;
}

std::string generalText(double value)
{
    // %g writes an exponent only below 1e-4 or from 1e15 on; an accuracy
    // lies in 0 or [100/65534, 100], so plain %.15g is the general form.
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

} // namespace screens
