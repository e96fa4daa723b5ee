#pragma once

// A screen: its design description, load state, visibility, its widgets
// while loaded, and (in subclasses) its own variables, handlers and public
// procedures. Every widget accessor is a reference in the frame's sense: it
// loads the screen, hidden, when it is unloaded. Handlers therefore never
// keep a widget reference across a call that may unload the screen.

#include "app/Bindings.h"
#include "app/Description.h"
#include "app/Widgets.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace app {

class Application;

// The elements of a label array of a loaded screen, by index. A view for
// the length of one handler step: it must not outlive an unload.
class LabelArray {
public:
    explicit LabelArray(std::span<Label* const> elements)
        : m_elements(elements)
    {
    }
    Label& operator[](int index) const
    {
        if (index < 0 || static_cast<std::size_t>(index) >= m_elements.size())
            throw std::out_of_range("label array index " + std::to_string(index));
        return *m_elements[static_cast<std::size_t>(index)];
    }
    int size() const { return static_cast<int>(m_elements.size()); }
    auto begin() const { return m_elements.begin(); }
    auto end() const { return m_elements.end(); }

private:
    std::span<Label* const> m_elements;
};

// Widget names are short and looked up at every handler step: FNV-1a beats
// the library's general-purpose string hash here.
struct NameHash {
    std::size_t operator()(std::string_view name) const noexcept
    {
        std::size_t h = 14695981039346656037ull;
        for (const char c : name)
            h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
        return h;
    }
};

class Screen {
public:
    Screen(Application& app, const ScreenDesc& desc);
    virtual ~Screen();
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    std::string_view name() const { return m_desc.name; }
    const ScreenDesc& desc() const { return m_desc; }
    Application& application() const { return m_app; }

    // Operations.
    void Show();
    void Hide();
    void Unload();
    [[noreturn]] void End();
    void Restart();
    Screen& form(std::string_view name) const;

    // References (load when unloaded).
    Label& label(std::string_view name, int index = -1);
    LabelArray labels(std::string_view name);
    Button& button(std::string_view name);
    Timer& timer(std::string_view name);
    bool keyPreview();
    void setKeyPreview(bool on);

    // Inspection without loading, for the shell and tests.
    bool isLoaded() const { return m_loaded != nullptr; }
    bool isVisible() const { return m_visible; }
    std::span<const std::unique_ptr<Widget>> widgets() const;
    Widget* find(std::string_view name, int index = -1) const;
    Button* focusedButton() const;

protected:
    virtual const Bindings& bindings() const;

private:
    friend class Application;
    friend class Widget;
    friend class Button;

    struct Loaded {
        std::vector<std::unique_ptr<Widget>> widgets;
        bool keyPreview = false;
        bool everActivated = false;
        const Button* focused = nullptr;
        std::unordered_map<std::string_view, std::vector<Label*>, NameHash> arrays;
    };

    Widget& reference(std::string_view name, int index);
    int slotOf(std::string_view name, int index) const;
    void ensureLoaded();
    void resolveHandlers();
    void raise(const Widget& widget, Event event) const;
    void raiseFormEvent(Event event, std::int16_t keyCode = 0, std::int16_t shift = 0);

    // Focus (buttons only), following the tab order.
    void activated();
    void focus(const Button* button);
    void moveFocus(bool backwards);
    void buttonDisabled(const Button& button);
    void keyToFocused(std::int16_t keyCode, std::int16_t shift);
    std::vector<Button*> tabOrder() const;

    Application& m_app;
    const ScreenDesc& m_desc;
    std::unordered_map<std::string_view, std::vector<int>, NameHash> m_slots; // name -> slot per index (or the single slot)
    std::vector<std::array<const Binding*, 5>> m_handlers;          // per slot, per Event
    const Binding* m_onLoad = nullptr;
    const Binding* m_onKeyDown = nullptr;
    bool m_handlersResolved = false;
    std::unique_ptr<Loaded> m_loaded;
    bool m_visible = false;
};

} // namespace app
