#pragma once

// Handlers are bound by name, one row a handler: the widget's name (or
// "Form" for the screen itself), the event, and the member function. An
// event without a row is ignored.

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace app {

class Screen;

enum class Event { Load, KeyDown, Change, Click, Timer };

struct Binding {
    std::string_view widget;
    Event event;
    std::function<void(Screen&, std::int16_t keyCode, std::int16_t shift)> run;
};

using Bindings = std::vector<Binding>;

inline constexpr std::string_view kFormName = "Form";

template <class S>
Binding on(std::string_view widget, Event event, void (S::*handler)())
{
    return {widget, event, [handler](Screen& s, std::int16_t, std::int16_t) { (static_cast<S&>(s).*handler)(); }};
}

template <class S>
Binding on(std::string_view widget, Event event, void (S::*handler)(std::int16_t, std::int16_t))
{
    return {widget, event,
            [handler](Screen& s, std::int16_t keyCode, std::int16_t shift) { (static_cast<S&>(s).*handler)(keyCode, shift); }};
}

} // namespace app
