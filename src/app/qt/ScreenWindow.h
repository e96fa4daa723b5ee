#pragma once

// The top-level window of one loaded screen: its client area at the
// described place and size (fixed), caption, icon and background, and a
// view for every widget but the timers, created in description order inside
// its container, so that a later widget lies over an earlier one.
//
// A window lives a little longer than its screen's load: the unload may come
// from a handler of one of its own buttons, so the shell detaches it and
// deletes it later. A detached window reads nothing of the frame's and
// tells the frame nothing.

#include "app/Screen.h"
#include "app/qt/RepaintThrottle.h"

#include <QWidget>

#include <vector>

namespace qtshell {

class ScreenWindow final : public QWidget {
    Q_OBJECT

public:
    ScreenWindow(app::Screen& screen, double dpi, RepaintThrottle& repaints);
    ~ScreenWindow() override;

    app::Screen& screen() const { return m_screen; }
    bool isAttached() const { return m_attached; }
    void detach();

    // The view of one of the screen's widgets; none for timers.
    QWidget* viewOf(const app::Widget* widget) const;

    // Gives the toolkit's focus to the button the frame has focused, or to
    // nothing.
    void mirrorFocus();

Q_SIGNALS:
    // The window system (or the player) made this window the active one.
    void activatedByToolkit(qtshell::ScreenWindow* window);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createViews(double dpi, RepaintThrottle& repaints);

    struct View {
        const app::Widget* widget;
        QWidget* view;
    };

    app::Screen& m_screen;
    QColor m_backColor;
    std::vector<View> m_views;
    bool m_attached = true;
};

} // namespace qtshell
