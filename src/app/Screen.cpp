#include "app/Screen.h"

#include "app/Application.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace app {

namespace {

std::unique_ptr<Widget> makeWidget(Screen& screen, const WidgetDesc& desc)
{
    switch (desc.kind) {
    case WidgetKind::Label:
        return std::make_unique<Label>(screen, desc);
    case WidgetKind::Button:
        return std::make_unique<Button>(screen, desc);
    case WidgetKind::Frame:
        return std::make_unique<Frame>(screen, desc);
    case WidgetKind::Timer:
        return std::make_unique<Timer>(screen, desc);
    }
    throw std::logic_error("unknown widget kind");
}

template <class W>
W& as(Widget& widget, WidgetKind kind)
{
    if (widget.kind() != kind)
        throw std::invalid_argument("widget " + std::string(widget.name()) + " is of another kind");
    return static_cast<W&>(widget);
}

} // namespace

Screen::Screen(Application& app, const ScreenDesc& desc)
    : m_app(app)
    , m_desc(desc)
{
    for (int slot = 0; slot < static_cast<int>(desc.widgets.size()); ++slot) {
        const WidgetDesc& w = desc.widgets[static_cast<std::size_t>(slot)];
        auto& slots = m_slots[w.name];
        const auto at = static_cast<std::size_t>(std::max(0, w.index));
        if (slots.size() <= at)
            slots.resize(at + 1, -1);
        slots[at] = slot;
    }
}

Screen::~Screen() = default;

const Bindings& Screen::bindings() const
{
    static const Bindings none;
    return none;
}

void Screen::resolveHandlers()
{
    m_handlers.assign(m_desc.widgets.size(), {});
    for (const Binding& b : bindings()) {
        if (b.widget == kFormName) {
            (b.event == Event::Load ? m_onLoad : m_onKeyDown) = &b;
            continue;
        }
        for (int slot : m_slots.at(b.widget))
            m_handlers[static_cast<std::size_t>(slot)][static_cast<std::size_t>(b.event)] = &b;
    }
    m_handlersResolved = true;
}

// --- Load and unload -------------------------------------------------------

void Screen::ensureLoaded()
{
    if (m_loaded)
        return;
    if (!m_handlersResolved)
        resolveHandlers();
    auto loaded = std::make_unique<Loaded>();
    loaded->keyPreview = m_desc.keyPreview;
    loaded->widgets.reserve(m_desc.widgets.size());
    for (const WidgetDesc& w : m_desc.widgets) {
        loaded->widgets.push_back(makeWidget(*this, w));
        if (w.index >= 0 && w.kind == WidgetKind::Label) {
            auto& elements = loaded->arrays[w.name];
            const auto at = static_cast<std::size_t>(w.index);
            if (elements.size() <= at)
                elements.resize(at + 1);
            elements[at] = static_cast<Label*>(loaded->widgets.back().get());
        }
    }
    m_loaded = std::move(loaded);
    for (auto& w : m_loaded->widgets) {
        if (w->kind() == WidgetKind::Timer)
            static_cast<Timer&>(*w).setEnabled(w->desc().enabled);
    }
    if (Shell* shell = m_app.shell())
        shell->screenLoaded(*this);
    raiseFormEvent(Event::Load);
}

void Screen::Unload()
{
    if (!m_loaded)
        return;
    if (Shell* shell = m_app.shell())
        shell->screenUnloading(*this);
    for (auto& w : m_loaded->widgets) {
        if (w->kind() == WidgetKind::Timer)
            static_cast<Timer&>(*w).setEnabled(false);
    }
    m_visible = false;
    if (m_app.m_active == this)
        m_app.setActive(nullptr);
    m_app.bury(std::move(m_loaded));
}

void Screen::Show()
{
    ensureLoaded();
    m_visible = true;
    if (Shell* shell = m_app.shell())
        shell->screenShown(*this);
    m_app.setActive(this);
}

void Screen::Hide()
{
    ensureLoaded();
    if (!m_visible)
        return;
    m_visible = false;
    if (m_app.m_active == this)
        m_app.setActive(nullptr);
    if (Shell* shell = m_app.shell())
        shell->screenHidden(*this);
}

void Screen::End()
{
    m_app.End();
}

void Screen::Restart()
{
    m_app.Restart();
}

Screen& Screen::form(std::string_view name) const
{
    return m_app.screen(name);
}

// --- References --------------------------------------------------------------

int Screen::slotOf(std::string_view name, int index) const
{
    const auto it = m_slots.find(name);
    if (it == m_slots.end())
        throw std::out_of_range(std::string(m_desc.name) + " has no widget " + std::string(name));
    const auto& slots = it->second;
    const auto at = static_cast<std::size_t>(std::max(0, index));
    if (index < -1 || at >= slots.size() || slots[at] < 0)
        throw std::out_of_range(std::string(m_desc.name) + "." + std::string(name) + " has no element " +
                                std::to_string(index));
    return slots[at];
}

Widget& Screen::reference(std::string_view name, int index)
{
    const int slot = slotOf(name, index);
    ensureLoaded();
    return *m_loaded->widgets[static_cast<std::size_t>(slot)];
}

Label& Screen::label(std::string_view name, int index)
{
    return as<Label>(reference(name, index), WidgetKind::Label);
}

LabelArray Screen::labels(std::string_view name)
{
    ensureLoaded();
    const auto it = m_loaded->arrays.find(name);
    if (it == m_loaded->arrays.end())
        throw std::out_of_range(std::string(m_desc.name) + " has no label array " + std::string(name));
    return LabelArray(it->second);
}

Button& Screen::button(std::string_view name)
{
    return as<Button>(reference(name, -1), WidgetKind::Button);
}

Timer& Screen::timer(std::string_view name)
{
    return as<Timer>(reference(name, -1), WidgetKind::Timer);
}

bool Screen::keyPreview()
{
    ensureLoaded();
    return m_loaded->keyPreview;
}

void Screen::setKeyPreview(bool on)
{
    ensureLoaded();
    m_loaded->keyPreview = on;
}

std::span<const std::unique_ptr<Widget>> Screen::widgets() const
{
    if (!m_loaded)
        return {};
    return m_loaded->widgets;
}

Widget* Screen::find(std::string_view name, int index) const
{
    if (!m_loaded)
        return nullptr;
    return m_loaded->widgets[static_cast<std::size_t>(slotOf(name, index))].get();
}

Button* Screen::focusedButton() const
{
    return m_loaded ? const_cast<Button*>(m_loaded->focused) : nullptr;
}

// --- Events ------------------------------------------------------------------

void Screen::raise(const Widget& widget, Event event) const
{
    const auto slot = static_cast<std::size_t>(&widget.desc() - m_desc.widgets.data());
    if (const Binding* b = m_handlers[slot][static_cast<std::size_t>(event)])
        b->run(const_cast<Screen&>(*this), 0, 0);
}

void Screen::raiseFormEvent(Event event, std::int16_t keyCode, std::int16_t shift)
{
    const Binding* b = event == Event::Load ? m_onLoad : m_onKeyDown;
    if (b)
        b->run(*this, keyCode, shift);
}

// --- Focus -------------------------------------------------------------------

std::vector<Button*> Screen::tabOrder() const
{
    std::vector<Button*> order;
    for (const auto& w : widgets()) {
        if (w->kind() == WidgetKind::Button)
            order.push_back(static_cast<Button*>(w.get()));
    }
    std::sort(order.begin(), order.end(),
              [](const Button* a, const Button* b) { return a->desc().tabIndex < b->desc().tabIndex; });
    return order;
}

void Screen::focus(const Button* button)
{
    if (m_loaded->focused == button)
        return;
    m_loaded->focused = button;
    if (Shell* shell = m_app.shell())
        shell->focusChanged(*this);
}

void Screen::activated()
{
    if (!m_loaded)
        return;
    const Button* current = m_loaded->focused;
    if (m_loaded->everActivated && current && current->enabled())
        return;
    m_loaded->everActivated = true;
    for (Button* b : tabOrder()) {
        if (b->enabled())
            return focus(b);
    }
    focus(nullptr);
}

void Screen::moveFocus(bool backwards)
{
    auto order = tabOrder();
    std::erase_if(order, [&](const Button* b) { return !b->enabled() && b != m_loaded->focused; });
    if (order.empty())
        return;
    if (backwards)
        std::reverse(order.begin(), order.end());
    auto it = std::find(order.begin(), order.end(), m_loaded->focused);
    for (std::size_t step = 1; step <= order.size(); ++step) {
        const auto from = it == order.end() ? order.size() - 1 : static_cast<std::size_t>(it - order.begin());
        Button* next = order[(from + step) % order.size()];
        if (next->enabled())
            return focus(next);
    }
}

void Screen::buttonDisabled(const Button& button)
{
    if (m_loaded && m_loaded->focused == &button)
        moveFocus(false);
    if (m_loaded && m_loaded->focused == &button)
        focus(nullptr);
}

void Screen::keyToFocused(std::int16_t keyCode, std::int16_t shift)
{
    if (shift & kAltKey) {
        for (Button* b : tabOrder()) {
            if (b->accessKey() == keyCode && b->enabled()) {
                focus(b);
                return raise(*b, Event::Click);
            }
        }
        return;
    }
    if (keyCode == kKeyTab)
        return moveFocus((shift & kShiftKey) != 0);
    const Button* focused = m_loaded->focused;
    if ((keyCode == kKeySpace || keyCode == kKeyEnter) && focused && focused->enabled())
        raise(*focused, Event::Click);
}

} // namespace app
