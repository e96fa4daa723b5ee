#include "app/Application.h"

#include <stdexcept>
#include <string>

namespace app {

namespace {

// Thrown by End; deliberately not a std::exception, so that handlers that
// skip failing steps do not swallow it.
struct EndRequest {};

} // namespace

Application::Application(Clock& clock)
    : m_clock(clock)
{
}

Application::~Application()
{
    // Screens' widgets disarm their timers on destruction; drop them while
    // the timer queue still exists.
    m_graveyard.clear();
    m_screens.clear();
}

Screen& Application::screen(std::string_view name) const
{
    const auto it = m_byName.find(name);
    if (it == m_byName.end())
        throw std::out_of_range("no screen " + std::string(name));
    return *it->second;
}

template <class F>
void Application::deliver(F&& event)
{
    if (m_ended)
        return;
    if (m_depth > 0) {
        // Raised by the shell while a handler runs: part of that event, so
        // End and failures belong to the outer delivery.
        event();
        return;
    }
    ++m_depth;
    try {
        event();
    } catch (const EndRequest&) {
        m_ended = true;
    } catch (const std::exception&) {
        // An unexpected failure abandons the handler it escaped from; the
        // program goes on with the next event.
        ++m_failedHandlers;
    }
    --m_depth;
    m_graveyard.clear();
    if (!m_shell)
        return;
    if (m_ended)
        m_shell->ended();
    else
        m_shell->eventDelivered();
}

void Application::start()
{
    deliver([&] { m_screens.front()->Show(); });
}

void Application::keyDown(std::int16_t keyCode, std::int16_t shift)
{
    deliver([&] {
        Screen* target = m_active;
        if (!target || !target->isVisible())
            return;
        if (target->keyPreview())
            target->raiseFormEvent(Event::KeyDown, keyCode, shift);
        // The handler may have hidden, unloaded or left the screen.
        if (m_active == target && target->isLoaded() && target->isVisible())
            target->keyToFocused(keyCode, shift);
    });
}

void Application::click(Widget& widget)
{
    deliver([&] {
        Screen& screen = widget.screen();
        if (!screen.isVisible())
            return;
        if (widget.kind() == WidgetKind::Label && !static_cast<Label&>(widget).visible())
            return;
        if (widget.kind() == WidgetKind::Button && !static_cast<Button&>(widget).enabled())
            return;
        setActive(&screen);
        if (widget.kind() == WidgetKind::Button)
            screen.focus(static_cast<Button*>(&widget));
        screen.raise(widget, Event::Click);
    });
}

void Application::activate(Screen& screen)
{
    deliver([&] {
        if (screen.isVisible())
            setActive(&screen);
    });
}

void Application::closeRequested(Screen& screen)
{
    deliver([&] {
        // Only a shown window has a close box to press. A request that was
        // already queued when a handler hid or unloaded the screen is stale:
        // hiding would load the screen again and run its load handler.
        if (!screen.isVisible())
            return;
        switch (screen.desc().closeBox) {
        case CloseBox::EndsProgram:
            End();
        case CloseBox::HidesScreen:
            screen.Hide();
            break;
        case CloseBox::Absent:
            break;
        }
    });
}

void Application::runDueTimers()
{
    if (m_ended || m_depth > 0)
        return;
    m_timers.takeDue(m_clock.nowMs(), m_due);
    for (std::size_t i = 0; i < m_due.size() && !m_ended; ++i) {
        const TimerQueue::Due due = m_due[i];
        // An earlier tick of this batch may have disarmed it or unloaded its screen.
        if (!m_timers.isArmed(due))
            continue;
        deliver([&] { due.timer->tick(); });
    }
}

void Application::End()
{
    throw EndRequest{};
}

void Application::Restart()
{
    for (const auto& s : m_screens)
        s->Unload();
    m_screens.front()->Show();
}

void Application::setActive(Screen* screen)
{
    m_active = screen;
    if (screen)
        screen->activated();
}

void Application::bury(std::unique_ptr<Screen::Loaded> loaded)
{
    m_graveyard.push_back(std::move(loaded));
    if (m_depth == 0)
        m_graveyard.clear();
}

void runFor(Application& app, ManualClock& clock, std::int64_t ms)
{
    const std::int64_t until = clock.nowMs() + ms;
    while (!app.ended()) {
        const auto next = app.nextDue();
        if (!next || *next > until)
            break;
        clock.set(std::max(*next, clock.nowMs()));
        app.runDueTimers();
    }
    clock.set(until);
}

} // namespace app
