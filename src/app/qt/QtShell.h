#pragma once

// The Qt shell: gives the frame's screens real windows and turns the
// toolkit's input into the frame's events.
//
// - A screen's load creates its window (hidden) and views; its unload
//   detaches them at once and deletes them later, since the unload may come
//   from a handler of a button in that very window.
// - Keys: one application-wide filter takes every key event addressed to
//   one of our windows at its first receiver, the window, before any widget
//   sees it. A press becomes a key code and shift mask for the frame's
//   active screen; releases and shortcut requests are swallowed, so the
//   toolkit neither clicks a button for Space nor fires an access key.
// - Activation: Show asks the toolkit to activate the window of the screen
//   that is active when the event is over (only that one: asking for each
//   shown window in turn lets a window still being mapped take the keyboard
//   from the later one). A window the player activates, by a click or the
//   window manager, becomes the frame's active screen.
// - Focus follows the frame; the toolkit never moves it on its own.
// - Time: after every delivered event the time driver is set for the next
//   due tick.
// - Repaints: label views ask the shell's throttle, which has them painted
//   at most once a display frame, so a 1 ms timer does not paint 1000 times
//   a second.

#include "app/Application.h"
#include "app/Clock.h"
#include "app/Shell.h"
#include "app/qt/RepaintThrottle.h"
#include "app/qt/TimeDriver.h"

#include <QObject>
#include <QPointer>

#include <vector>

class QKeyEvent;
class QWidget;
class QWindow;

namespace qtshell {

class ScreenWindow;

class QtShell final : public QObject, public app::Shell {
    Q_OBJECT

public:
    // Settings the toolkit reads when the QApplication is created: call
    // before creating it.
    static void prepareToolkit();

    // Needs a QApplication. Connects itself to app, whose clock is clock.
    QtShell(app::Application& app, const app::Clock& clock);
    ~QtShell() override;

    // Starts the frame (shows the first screen) and runs the event loop
    // until the program ends; returns the exit code.
    int run();

    // The window of a loaded screen, or nullptr.
    QWidget* windowOf(const app::Screen& screen) const;
    // The view of a loaded widget (none for timers), or nullptr.
    QWidget* viewOf(const app::Widget& widget) const;
    const TimeDriver& timeDriver() const { return m_time; }
    const RepaintThrottle& repaints() const { return m_repaints; }

    void screenLoaded(app::Screen& screen) override;
    void screenUnloading(app::Screen& screen) override;
    void screenShown(app::Screen& screen) override;
    void screenHidden(app::Screen& screen) override;
    void focusChanged(app::Screen& screen) override;
    void eventDelivered() override;
    void ended() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ScreenWindow* findWindow(const app::Screen& screen) const;
    ScreenWindow* windowOfToolkitWindow(const QObject* object) const;
    bool isOurs(const QObject* object) const;
    void keyPressed(ScreenWindow& window, const QKeyEvent& event);
    void mousePressed(ScreenWindow& window);
    void windowActivated(ScreenWindow* window);
    void requestActivation();
    bool makeActive(ScreenWindow& window);

    app::Application& m_app;
    TimeDriver m_time;
    RepaintThrottle m_repaints;
    std::vector<ScreenWindow*> m_windows;           // one per loaded screen
    std::vector<QPointer<ScreenWindow>> m_unloaded; // detached, awaiting deletion
    QPointer<ScreenWindow> m_activationRequested;   // asked of the toolkit, not yet done
    bool m_activationDue = false;                   // a Show happened in this event
};

} // namespace qtshell
