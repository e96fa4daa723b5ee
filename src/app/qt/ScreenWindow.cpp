#include "app/qt/ScreenWindow.h"

#include "app/Application.h"
#include "app/qt/ButtonView.h"
#include "app/qt/Colors.h"
#include "app/qt/FrameView.h"
#include "app/qt/Geometry.h"
#include "app/qt/IconImages.h"
#include "app/qt/LabelView.h"

#include <QCloseEvent>
#include <QPainter>

#include <string_view>
#include <unordered_map>

namespace qtshell {

namespace {

Qt::WindowFlags flagsFor(app::CloseBox closeBox)
{
    // A fixed window with a title: no minimise or maximise button, and a
    // close box only where the screen has one.
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (closeBox != app::CloseBox::Absent)
        flags |= Qt::WindowCloseButtonHint;
    return flags;
}

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// "lbl1", or "Label1(3)" for an array element: how handlers name it.
QString objectNameFor(const app::WidgetDesc& desc)
{
    QString name = toQString(desc.name);
    if (desc.index >= 0)
        name += QStringLiteral("(%1)").arg(desc.index);
    return name;
}

} // namespace

ScreenWindow::ScreenWindow(app::Screen& screen, double dpi, RepaintThrottle& repaints)
    : QWidget(nullptr, flagsFor(screen.desc().closeBox))
    , m_screen(screen)
    , m_backColor(toQColor(screen.desc().backColor))
{
    const app::ScreenDesc& desc = screen.desc();
    setObjectName(toQString(desc.name));
    setWindowTitle(toQString(desc.caption));
    if (desc.icon)
        setWindowIcon(toQIcon(*desc.icon));
    const QRect client = clientRect(desc, dpi);
    setGeometry(client);
    setFixedSize(client.size());
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Keys must reach the handlers as key codes, never an input method.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    // The shell activates the one window the frame made active once each
    // event is over; showing the others must not take the keyboard.
    setAttribute(Qt::WA_ShowWithoutActivating);
    createViews(dpi, repaints);
}

ScreenWindow::~ScreenWindow()
{
    detach();
}

void ScreenWindow::createViews(double dpi, RepaintThrottle& repaints)
{
    std::unordered_map<std::string_view, QWidget*> frames;
    for (const auto& owned : m_screen.widgets()) {
        app::Widget& widget = *owned;
        const app::WidgetDesc& desc = widget.desc();
        QWidget* container = this;
        if (!desc.container.empty()) {
            if (const auto it = frames.find(desc.container); it != frames.end())
                container = it->second;
        }
        QWidget* view = nullptr;
        switch (widget.kind()) {
        case app::WidgetKind::Label:
            view = new LabelView(static_cast<app::Label&>(widget), container, repaints);
            break;
        case app::WidgetKind::Button:
            view = new ButtonView(static_cast<app::Button&>(widget), container);
            break;
        case app::WidgetKind::Frame:
            view = new FrameView(desc, container);
            frames.emplace(desc.name, view);
            break;
        case app::WidgetKind::Timer:
            continue;
        }
        view->setObjectName(objectNameFor(desc));
        view->setGeometry(widgetRect(desc, dpi));
        m_views.push_back({&widget, view});
    }
}

void ScreenWindow::detach()
{
    if (!m_attached)
        return;
    m_attached = false;
    for (const View& v : m_views) {
        if (auto* label = qobject_cast<LabelView*>(v.view))
            label->detach();
        else if (auto* button = qobject_cast<ButtonView*>(v.view))
            button->detach();
    }
    m_views.clear();
}

QWidget* ScreenWindow::viewOf(const app::Widget* widget) const
{
    for (const View& v : m_views) {
        if (v.widget == widget)
            return v.view;
    }
    return nullptr;
}

void ScreenWindow::mirrorFocus()
{
    if (!m_attached)
        return;
    if (QWidget* view = viewOf(m_screen.focusedButton())) {
        // Given while the window is hidden or inactive, the focus waits in
        // the window and arrives when it is activated.
        view->setFocus(Qt::TabFocusReason);
    } else if (QWidget* current = focusWidget()) {
        current->clearFocus();
    }
}

bool ScreenWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && m_attached)
        Q_EMIT activatedByToolkit(this);
    return QWidget::event(event);
}

void ScreenWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_backColor);
}

void ScreenWindow::closeEvent(QCloseEvent* event)
{
    // The frame decides what the close box does: end, hide or nothing.
    event->ignore();
    if (m_attached)
        m_screen.application().closeRequested(m_screen);
}

} // namespace qtshell
