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
#include <string_view>
#include <unordered_map>
#include <vector>

namespace app {

class Application;

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
    std::unordered_map<std::string_view, std::vector<int>> m_slots; // name -> slot per index (index 0.. or single)
    std::vector<std::array<const Binding*, 5>> m_handlers;          // per slot, per Event
    const Binding* m_onLoad = nullptr;
    const Binding* m_onKeyDown = nullptr;
    bool m_handlersResolved = false;
    std::unique_ptr<Loaded> m_loaded;
    bool m_visible = false;
};

} // namespace app
