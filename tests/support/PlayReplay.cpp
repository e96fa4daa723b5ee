#include "support/PlayReplay.h"

#include <algorithm>
#include <cstddef>
#include <sstream>

namespace testing_support {

namespace {

// Waits in a row joined into one: virtual time runs the same either way,
// but the list reads better.
std::vector<PlayEvent> joinWaits(const std::vector<PlayEvent>& events)
{
    std::vector<PlayEvent> joined;
    for (const PlayEvent& e : events) {
        if (e.action == PlayAction::Wait && !joined.empty() && joined.back().action == PlayAction::Wait)
            joined.back().ms += e.ms;
        else
            joined.push_back(e);
    }
    return joined;
}

} // namespace

std::optional<PlayFailure> replay(const std::vector<PlayEvent>& events)
{
    PlaySession session;
    for (const PlayEvent& e : events)
        if (!session.play(e))
            break;
    return session.failure();
}

std::vector<PlayEvent> shrink(std::vector<PlayEvent> events, const std::string& invariant, const Replayer& replayer)
{
    int budget = 20000;
    const auto stillFails = [&](std::vector<PlayEvent>& candidate) {
        --budget;
        const std::optional<PlayFailure> failure = replayer(candidate);
        if (!failure || failure->invariant != invariant)
            return false;
        candidate.resize(failure->eventIndex + 1); // what follows the failure does not matter
        return true;
    };
    const auto tryJoiningWaits = [&] {
        std::vector<PlayEvent> candidate = joinWaits(events);
        if (candidate.size() < events.size() && stillFails(candidate))
            events = std::move(candidate);
    };
    tryJoiningWaits();
    for (std::size_t chunk = std::max<std::size_t>(1, events.size() / 2); budget > 0;) {
        bool removed = false;
        for (std::size_t start = 0; start < events.size() && budget > 0;) {
            const auto at = [&](std::size_t i) { return events.begin() + static_cast<std::ptrdiff_t>(i); };
            std::vector<PlayEvent> candidate(events.begin(), at(start));
            candidate.insert(candidate.end(), at(std::min(events.size(), start + chunk)), events.end());
            if (stillFails(candidate)) {
                events = std::move(candidate);
                removed = true;
            } else {
                start += chunk;
            }
        }
        if (chunk > 1)
            chunk /= 2;
        else if (!removed)
            break;
    }
    tryJoiningWaits();
    for (std::size_t i = 0; i < events.size() && budget > 0; ++i) {
        while (i < events.size() && events[i].action == PlayAction::Wait && events[i].ms > 0 && budget > 0) {
            std::vector<PlayEvent> candidate = events;
            candidate[i].ms /= 2;
            if (!stillFails(candidate))
                break;
            events = std::move(candidate);
        }
    }
    for (std::size_t i = 0; i < events.size() && budget > 0; ++i) {
        if (events[i].action != PlayAction::Key || events[i].shift == 0)
            continue;
        std::vector<PlayEvent> candidate = events;
        candidate[i].shift = 0;
        if (stillFails(candidate))
            events = std::move(candidate);
    }
    return events;
}

std::string pasteable(const std::string& name, const std::vector<PlayEvent>& events)
{
    std::ostringstream out;
    out << "    {\"" << name << "\",\n     {";
    for (std::size_t i = 0; i < events.size(); ++i)
        out << (i ? ",\n      \"" : "\"") << toText(events[i]) << '"';
    out << "}},\n";
    return out.str();
}

} // namespace testing_support
