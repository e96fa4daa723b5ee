#pragma once

// The time-over screen: stops the game screen's timers and offers RE START
// and END. It leaves the game screen showing the unanswered question.

#include "app/Screen.h"

namespace screens {

class Form7 final : public app::Screen {
public:
    explicit Form7(app::Application& app);

    void Form_Load();
    void ReCmd_Click();
    void Cmd2Command4_Click();

protected:
    const app::Bindings& bindings() const override;
};

} // namespace screens
