#pragma once

// Replaying event lists, and cutting a failing one down to the shortest
// list that still fails the same way.

#include "support/PlayEvent.h"
#include "support/PlaySession.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace testing_support {

// Replays events from a fresh program and returns the first failure.
std::optional<PlayFailure> replay(const std::vector<PlayEvent>& events);

using Replayer = std::function<std::optional<PlayFailure>(const std::vector<PlayEvent>&)>;

// Delta debugging: removes chunks of events, halving their size down to
// single events, and keeps every removal after which the same invariant
// still fails; then shortens the waits that are left and drops the Shift,
// Ctrl and Alt that do not matter. Each try replays from scratch; a budget
// bounds the time spent on a pathological case.
std::vector<PlayEvent> shrink(std::vector<PlayEvent> events, const std::string& invariant,
                              const Replayer& replayer = replay);

// The list as a row of a regression table, ready to paste.
std::string pasteable(const std::string& name, const std::vector<PlayEvent>& events);

} // namespace testing_support
