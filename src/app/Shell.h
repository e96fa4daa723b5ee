#pragma once

// What the frame tells the toolkit shell. The frame calls these while it
// runs; the shell creates and destroys windows, mirrors visibility and
// focus, and after each delivered event reschedules its one timer.

namespace app {

class Screen;

class Shell {
public:
    virtual void screenLoaded(Screen& screen) = 0;
    virtual void screenUnloading(Screen& screen) = 0;
    virtual void screenShown(Screen& screen) = 0;
    virtual void screenHidden(Screen& screen) = 0;
    virtual void focusChanged(Screen& screen) = 0;
    virtual void eventDelivered() = 0;
    virtual void ended() = 0;

protected:
    ~Shell() = default;
};

} // namespace app
