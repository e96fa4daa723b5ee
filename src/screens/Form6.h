#pragma once

// The results screen. Its load does all the work before it is seen: counts,
// accuracy, stopping the game screen, and the rating chain.

#include "app/Screen.h"

namespace screens {

class Form6 final : public app::Screen {
public:
    explicit Form6(app::Application& app);

    void Form_Load();
    void ReCmd_Click();
    void Cmd1_Click();

    void Great();
    void Verygood();
    void Good();
    void Madamada();

protected:
    const app::Bindings& bindings() const override;

private:
    double correctCount();
    void writeAccuracy();
};

} // namespace screens
