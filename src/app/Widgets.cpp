#include "app/Widgets.h"

#include "app/Application.h"
#include "app/Screen.h"

namespace app {

Widget::Widget(Screen& screen, const WidgetDesc& desc)
    : m_screen(screen)
    , m_desc(desc)
{
}

void Widget::raise(Event event) const
{
    m_screen.raise(*this, event);
}

Label::Label(Screen& screen, const WidgetDesc& desc)
    : Widget(screen, desc)
    , m_caption(desc.caption)
    , m_backColor(desc.backColor)
    , m_visible(desc.visible)
{
}

void Label::setCaption(std::string_view caption)
{
    if (caption == m_caption)
        return;
    m_caption.assign(caption);
    notify(Property::Caption);
    // Last: the Change handler may unload this label's screen.
    raise(Event::Change);
}

void Label::changeBackColor(Color color)
{
    m_backColor = color;
    notify(Property::BackColor);
}

void Label::setVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    notify(Property::Visible);
}

Button::Button(Screen& screen, const WidgetDesc& desc)
    : Widget(screen, desc)
    , m_enabled(desc.enabled)
{
}

void Button::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    notify(Property::Enabled);
    if (!enabled)
        screen().buttonDisabled(*this);
}

int Button::accessKey() const
{
    const std::string_view text = caption();
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&')
            continue;
        const char c = text[i + 1];
        if (c >= 'a' && c <= 'z')
            return c - 'a' + 'A';
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            return c;
        return 0;
    }
    return 0;
}

Timer::Timer(Screen& screen, const WidgetDesc& desc)
    : Widget(screen, desc)
{
}

Timer::~Timer()
{
    if (m_enabled)
        screen().application().m_timers.disarm(*this);
}

void Timer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    Application& app = screen().application();
    if (enabled)
        app.m_timers.arm(*this, app.clock().nowMs());
    else
        app.m_timers.disarm(*this);
}

} // namespace app
