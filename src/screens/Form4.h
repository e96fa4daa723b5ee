#pragma once

// The ready screen between questions: counts, the Ctrl prompt, the
// keyboard button and END. Goctrl opens a question on the game screen.

#include "app/Screen.h"

#include <cstdint>

namespace screens {

class Form4 final : public app::Screen {
public:
    explicit Form4(app::Application& app);

    void Form_Load();
    void Form_KeyDown(std::int16_t KeyCode, std::int16_t Shift);
    void lbl2_Click();
    void Tim1_Timer();
    void Tim2_Timer();
    void Command1_Click();
    void Command2_Click();

    void Goctrl();

protected:
    const app::Bindings& bindings() const override;
};

} // namespace screens
