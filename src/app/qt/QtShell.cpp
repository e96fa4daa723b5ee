#include "app/qt/QtShell.h"

#include "app/qt/Fonts.h"
#include "app/qt/Geometry.h"
#include "app/qt/KeyCodes.h"
#include "app/qt/LabelAccessible.h"
#include "app/qt/ScreenWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace qtshell {

void QtShell::prepareToolkit()
{
    // On X the toolkit hands each repaint's pixels to the server through
    // shared memory, and before the next paint waits for the server to be
    // done with them: a round trip, and two thread wake-ups, per repaint.
    // Our windows are small, so sending the pixels in the request is the
    // cheaper way: half a per cent of a core less while the keyboard window
    // repaints 60 times a second.
    qputenv("QT_XCB_NO_MITSHM", "1");
}

QtShell::QtShell(app::Application& app, const app::Clock& clock)
    : m_app(app)
    , m_time(app, clock)
    , m_repaints(clock)
{
    Q_ASSERT(&clock == &app.clock());
    // Hiding every window is not the end of the program: a screen may be
    // shown again by a tick; only the frame's End ends it.
    QApplication::setQuitOnLastWindowClosed(false);
    installFontSubstitutes();
    LabelAccessible::install();
    QCoreApplication::instance()->installEventFilter(this);
    m_app.setShell(this);
}

QtShell::~QtShell()
{
    if (m_app.shell() == this)
        m_app.setShell(nullptr);
    // No event may reach the filter while the windows go.
    QCoreApplication::instance()->removeEventFilter(this);
    m_time.stop();
    const std::vector<ScreenWindow*> loaded = std::exchange(m_windows, {});
    for (ScreenWindow* window : loaded)
        delete window;
    const std::vector<QPointer<ScreenWindow>> unloaded = std::exchange(m_unloaded, {});
    for (const QPointer<ScreenWindow>& window : unloaded)
        delete window.data();
}

int QtShell::run()
{
    m_app.start();
    // An End during the start has already asked the loop to exit, before
    // there was a loop to exit.
    if (m_app.ended())
        return 0;
    return QApplication::exec();
}

QWidget* QtShell::windowOf(const app::Screen& screen) const
{
    return findWindow(screen);
}

QWidget* QtShell::viewOf(const app::Widget& widget) const
{
    const ScreenWindow* window = findWindow(widget.screen());
    return window ? window->viewOf(&widget) : nullptr;
}

ScreenWindow* QtShell::findWindow(const app::Screen& screen) const
{
    const auto it = std::find_if(m_windows.begin(), m_windows.end(),
                                 [&](const ScreenWindow* w) { return &w->screen() == &screen; });
    return it == m_windows.end() ? nullptr : *it;
}

// --- What the frame tells us -------------------------------------------------

void QtShell::screenLoaded(app::Screen& screen)
{
    auto* window = new ScreenWindow(screen, logicalDpi(), m_repaints);
    connect(window, &ScreenWindow::activatedByToolkit, this, &QtShell::windowActivated);
    m_windows.push_back(window);
}

void QtShell::screenUnloading(app::Screen& screen)
{
    ScreenWindow* window = findWindow(screen);
    if (!window)
        return;
    std::erase(m_windows, window);
    window->detach();
    if (m_activationRequested == window)
        m_activationRequested = nullptr;
    window->hide();
    window->deleteLater();
    std::erase_if(m_unloaded, [](const QPointer<ScreenWindow>& w) { return w.isNull(); });
    m_unloaded.emplace_back(window);
}

void QtShell::screenShown(app::Screen& screen)
{
    ScreenWindow* window = findWindow(screen);
    if (!window)
        return;
    window->show();
    window->raise();
    m_activationDue = true;
}

void QtShell::screenHidden(app::Screen& screen)
{
    ScreenWindow* window = findWindow(screen);
    if (!window)
        return;
    if (m_activationRequested == window)
        m_activationRequested = nullptr;
    window->hide();
}

void QtShell::focusChanged(app::Screen& screen)
{
    if (ScreenWindow* window = findWindow(screen))
        window->mirrorFocus();
}

void QtShell::eventDelivered()
{
    requestActivation();
    m_time.reschedule();
}

void QtShell::ended()
{
    m_time.stop();
    m_activationRequested = nullptr;
    for (ScreenWindow* window : m_windows)
        window->hide();
    QCoreApplication::exit(0);
}

// --- Activation ----------------------------------------------------------------

void QtShell::requestActivation()
{
    if (!m_activationDue)
        return;
    m_activationDue = false;
    const app::Screen* active = m_app.active();
    ScreenWindow* window = active ? findWindow(*active) : nullptr;
    if (!window || !window->isVisible())
        return;
    // Asked even when it is active already: a window manager (or platform)
    // that activates every newly shown window would otherwise leave the
    // keyboard with a window shown earlier in the same event. No activation
    // event follows for a window that stays active, so nothing is awaited.
    m_activationRequested = window->isActiveWindow() ? nullptr : window;
    window->activateWindow();
}

bool QtShell::makeActive(ScreenWindow& window)
{
    app::Screen& screen = window.screen();
    if (!window.isAttached() || !screen.isVisible())
        return false;
    if (m_app.active() != &screen)
        m_app.activate(screen);
    return m_app.active() == &screen;
}

void QtShell::windowActivated(ScreenWindow* window)
{
    // While our own request is on its way, another window's activation is
    // the leftover of an earlier one: the frame has moved on since.
    if (m_activationRequested && m_activationRequested != window)
        return;
    m_activationRequested = nullptr;
    makeActive(*window);
}

void QtShell::mousePressed(ScreenWindow& window)
{
    // A click is the player choosing a window, whatever we asked for before.
    // Without a window manager nothing else would activate it.
    m_activationRequested = nullptr;
    if (makeActive(window) && !window.isActiveWindow())
        window.activateWindow();
}

// --- Input ---------------------------------------------------------------------

ScreenWindow* QtShell::windowOfToolkitWindow(const QObject* object) const
{
    if (!object->isWindowType())
        return nullptr;
    for (ScreenWindow* window : m_windows) {
        if (window->windowHandle() == object)
            return window;
    }
    for (const QPointer<ScreenWindow>& window : m_unloaded) {
        if (window && window->windowHandle() == object)
            return window.data();
    }
    return nullptr;
}

bool QtShell::isOurs(const QObject* object) const
{
    if (!object->isWidgetType())
        return false;
    const QWidget* top = static_cast<const QWidget*>(object)->window();
    return std::find(m_windows.begin(), m_windows.end(), top) != m_windows.end() ||
           std::find(m_unloaded.begin(), m_unloaded.end(), top) != m_unloaded.end();
}

void QtShell::keyPressed(ScreenWindow& window, const QKeyEvent& event)
{
    if (!window.isAttached() || !window.screen().isVisible())
        return;
    // Typed while the window we asked for was not yet active: meant for it,
    // and so for the frame's active screen.
    const bool awaitingAnother = m_activationRequested && m_activationRequested != &window;
    if (!awaitingAnother && !makeActive(window))
        return;
    // Each press, auto-repeats included, is one KeyDown.
    m_app.keyDown(keyCodeOf(event), shiftMaskOf(event));
}

bool QtShell::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
        break;
    case QEvent::MouseButtonPress:
        if (ScreenWindow* window = windowOfToolkitWindow(watched))
            mousePressed(*window);
        return false;
    default:
        return false;
    }
    ScreenWindow* window = windowOfToolkitWindow(watched);
    if (!window && !isOurs(watched))
        return false;
    // Accepting the override keeps the toolkit's shortcuts (and with them
    // the buttons' own access keys) out of the way.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    // A press reaches the window first and is handled there, once; a key
    // addressed to one of our widgets directly is swallowed all the same.
    if (window && event->type() == QEvent::KeyPress)
        keyPressed(*window, static_cast<const QKeyEvent&>(*event));
    return true;
}

} // namespace qtshell
