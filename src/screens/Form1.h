#pragma once

// The title screen: level choice, OK, START. Its load prepares the game
// screen for a new game; the chosen level stays here, in Lbl3, all game.

#include "app/Screen.h"

namespace screens {

class Form1 final : public app::Screen {
public:
    explicit Form1(app::Application& app);

    void Form_Load();
    void cmd1_Click();
    void cmd2_Click();
    void cmd3_Click();
    void cmdok_Click();
    void cmd4_Click();

protected:
    const app::Bindings& bindings() const override;

private:
    void chooseLevel(int level);
};

} // namespace screens
