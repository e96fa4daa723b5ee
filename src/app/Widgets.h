#pragma once

// The four widget kinds: property holders with events. A write that does
// not change a value tells nobody; a caption write that does raises the
// label's Change at once, nested inside the write.

#include "app/Bindings.h"
#include "app/Description.h"

#include <cstdint>
#include <string>

namespace app {

class Screen;

enum class Property { Caption, BackColor, Visible, Enabled };

// Implemented by the toolkit shell: one per widget that has something to draw.
class WidgetView {
public:
    virtual void propertyChanged(Property property) = 0;

protected:
    ~WidgetView() = default;
};

class Widget {
public:
    Widget(Screen& screen, const WidgetDesc& desc);
    virtual ~Widget() = default;
    Widget(const Widget&) = delete;
    Widget& operator=(const Widget&) = delete;

    Screen& screen() const { return m_screen; }
    const WidgetDesc& desc() const { return m_desc; }
    std::string_view name() const { return m_desc.name; }
    int index() const { return m_desc.index; }
    WidgetKind kind() const { return m_desc.kind; }

    void setView(WidgetView* view) { m_view = view; }

protected:
    void notify(Property property) const
    {
        if (m_view)
            m_view->propertyChanged(property);
    }
    void raise(Event event) const;

private:
    Screen& m_screen;
    const WidgetDesc& m_desc;
    WidgetView* m_view = nullptr;
};

class Label final : public Widget {
public:
    Label(Screen& screen, const WidgetDesc& desc);

    const std::string& caption() const { return m_caption; }
    void setCaption(std::string_view caption);
    Color backColor() const { return m_backColor; }
    // Inline: a burst of writes mostly writes what is already there.
    void setBackColor(Color color)
    {
        if (color != m_backColor)
            changeBackColor(color);
    }
    bool visible() const { return m_visible; }
    void setVisible(bool visible);

private:
    void changeBackColor(Color color);

    std::string m_caption;
    Color m_backColor;
    bool m_visible;
};

class Button final : public Widget {
public:
    Button(Screen& screen, const WidgetDesc& desc);

    std::string_view caption() const { return desc().caption; }
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    // The access key's character code (upper case), or 0 when there is none.
    int accessKey() const;

private:
    bool m_enabled;
};

class Frame final : public Widget {
public:
    using Widget::Widget;
};

class Timer final : public Widget {
public:
    Timer(Screen& screen, const WidgetDesc& desc);
    ~Timer() override;

    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    int interval() const { return desc().intervalMs; }

    // Called by the frame when a tick is delivered.
    void tick() const { raise(Event::Timer); }

private:
    bool m_enabled = false;
};

} // namespace app
