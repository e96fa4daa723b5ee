#pragma once

// Runs a handler's steps so that a step that fails is skipped and the next
// one still runs. End is not a failure: it is not derived from
// std::exception and so passes through.

#include <exception>
#include <functional>
#include <initializer_list>

namespace app {

inline void stepByStep(std::initializer_list<std::function<void()>> steps)
{
    for (const auto& step : steps) {
        try {
            step();
        } catch (const std::exception&) {
            // Deliberately ignored: these handlers are declared to skip a failing step.
        }
    }
}

} // namespace app
