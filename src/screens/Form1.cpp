#include "screens/Form1.h"

#include "layouts/Layouts.h"

#include <array>
#include <string_view>

namespace screens {

namespace {

struct Level {
    std::string_view modeName;
    std::string_view digit;
};

constexpr std::array<Level, 3> kLevels = {{
    {"ビギナー・モード", "1"},
    {"セミプロ・モード", "2"},
    {"プロ・モード", "3"},
}};

} // namespace

Form1::Form1(app::Application& app)
    : Screen(app, layouts::Form1)
{
}

const app::Bindings& Form1::bindings() const
{
    using app::Event;
    static const app::Bindings table = {
        app::on(app::kFormName, Event::Load, &Form1::Form_Load),
        app::on("cmd1", Event::Click, &Form1::cmd1_Click),
        app::on("cmd2", Event::Click, &Form1::cmd2_Click),
        app::on("cmd3", Event::Click, &Form1::cmd3_Click),
        app::on("cmdok", Event::Click, &Form1::cmdok_Click),
        app::on("cmd4", Event::Click, &Form1::cmd4_Click),
    };
    return table;
}

void Form1::Form_Load()
{
    // The first reference loads the game screen, hidden; its target timer
    // is stopped here before it can tick.
    app::Screen& game = form("Form3");
    game.timer("tim1").setEnabled(false);
    game.timer("tim2").setEnabled(false);
    game.timer("Tim3").setEnabled(false);
    game.label("Hlbl1").setCaption("1");
    game.label("Hlbl2").setCaption("1");
}

void Form1::cmd1_Click()
{
    chooseLevel(1);
}

void Form1::cmd2_Click()
{
    chooseLevel(2);
}

void Form1::cmd3_Click()
{
    chooseLevel(3);
}

void Form1::chooseLevel(int level)
{
    const Level& chosen = kLevels[static_cast<std::size_t>(level - 1)];
    label("lbl2").setCaption(chosen.modeName);
    label("Lbl3").setCaption(chosen.digit);
    button("cmdok").setEnabled(true);
}

void Form1::cmdok_Click()
{
    button("cmd4").setEnabled(true);
    button("cmdok").setEnabled(false);
    button("cmd1").setEnabled(false);
    button("cmd2").setEnabled(false);
    button("cmd3").setEnabled(false);
}

void Form1::cmd4_Click()
{
    // In a new game the first write loads the ready screen, whose load
    // starts target drawing before the mode name arrives.
    app::Screen& ready = form("Form4");
    ready.label("Lbl3").setCaption("");
    ready.label("Lbl3").setCaption(label("lbl2").caption());
    Hide();
    ready.Show();
}

} // namespace screens
