#include "app/qt/ButtonView.h"

#include "app/Application.h"
#include "app/Screen.h"
#include "app/qt/Fonts.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace qtshell {

ButtonView::ButtonView(app::Button& button, QWidget* parent)
    : QPushButton(parent)
    , m_button(&button)
{
    const app::WidgetDesc& desc = button.desc();
    if (desc.fontSize != app::kDefaultFont)
        setFont(designFont(desc.fontSize));
    const std::string_view caption = button.caption();
    setText(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
    // setText registers the "&" key as a shortcut; the frame presses the
    // button for Alt and its access key, and must be the only one to.
    setShortcut(QKeySequence());
    setAutoDefault(false);
    setDefault(false);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setEnabled(button.enabled());
    connect(this, &QAbstractButton::clicked, this, &ButtonView::clickedByMouse);
    button.setView(this);
}

ButtonView::~ButtonView()
{
    detach();
}

void ButtonView::detach()
{
    if (m_button)
        m_button->setView(nullptr);
    m_button = nullptr;
}

void ButtonView::propertyChanged(app::Property property)
{
    if (property == app::Property::Enabled && m_button)
        setEnabled(m_button->enabled());
}

void ButtonView::clickedByMouse()
{
    // The handler may unload this button's screen; nothing here runs after it.
    if (m_button)
        m_button->screen().application().click(*m_button);
}

void ButtonView::keyPressEvent(QKeyEvent* event)
{
    // Space would press the button a second time, after the frame did.
    event->ignore();
}

void ButtonView::keyReleaseEvent(QKeyEvent* event)
{
    event->ignore();
}

void ButtonView::focusInEvent(QFocusEvent* event)
{
    // The style draws the focus rectangle only after keyboard navigation.
    // Here the focus always follows the keyboard rules (the frame's tab
    // order), even when it arrives by a window's activation, and the player
    // needs the rectangle to know which button Space will press.
    window()->setAttribute(Qt::WA_KeyboardFocusChange);
    QPushButton::focusInEvent(event);
}

} // namespace qtshell
