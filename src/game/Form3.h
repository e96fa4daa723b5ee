#pragma once

// The game screen: the 36-key model, target drawing, judging, and the
// question and game clocks. Its own variables outlive its window; the game
// resets them through the flag labels Hlbl1 and Hlbl2.

#include "app/Screen.h"
#include "game/RandomSource.h"

#include <cstdint>
#include <string_view>

namespace game {

class Form3 final : public app::Screen {
public:
    Form3(app::Application& app, RandomSource& random);

    // Screen variables.
    std::int16_t CorrectCount = 0;
    std::int16_t MissCount = 0;
    std::int16_t ElapsedSeconds = 0;

    // Handlers.
    void Form_KeyDown(std::int16_t KeyCode, std::int16_t Shift);
    void lbl1_Change();
    void lbl15_Change();
    void tim1_Timer();
    void Mtim1_Timer();
    void tim2_Timer();
    void Tim3_Timer();
    void Tim4_Timer();
    void Tim5_Timer();
    void Tim6_Timer();

    // Public procedures: Go1 .. GoM and L0 .. L35 by name, and Hantei.
    void call(std::string_view procedure);
    void Hantei();

protected:
    const app::Bindings& bindings() const override;

private:
    void pressKey(int index);
    void highlight(int index);
    void limitExpired(std::string_view limitTimer);

    RandomSource& m_random;
};

} // namespace game
