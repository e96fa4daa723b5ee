#include "screens/Form4.h"

#include "layouts/Layouts.h"

#include <array>
#include <string_view>

namespace screens {

namespace {

constexpr std::int16_t kKeyCtrl = 17;

struct PromptState {
    std::string_view prompt;
    app::Color promptColor;
    std::string_view ctrlLine;
    app::Color ctrlLineColor;
};

constexpr PromptState kPrompt = {"準備が出来たら「コントロール・キ」を押してネ！", 0xFFFFC0, "Push  [ Ctrl ]", 0xFFFF80};
constexpr PromptState kPreparing = {"ただいま準備中！", 0xFFC0C0, "Key Closed", 0xFF};

struct LevelTiming {
    std::string_view digit;
    std::string_view limitTimer;
    std::string_view message;
};

// Level 3's message says 1.8 seconds; its limit is 1700 ms. Both as designed.
constexpr std::array<LevelTiming, 3> kLevelTimings = {{
    {"1", "Tim4", "考えれる時間は「５秒」です"},
    {"2", "Tim5", "考えれる時間は「３秒」です"},
    {"3", "Tim6", "考えれる時間は「1.8秒」です"},
}};

void showPromptState(app::Screen& ready, const PromptState& state)
{
    ready.label("lbl1").setCaption(state.prompt);
    ready.label("lbl1").setBackColor(state.promptColor);
    ready.label("lbl2").setCaption(state.ctrlLine);
    ready.label("lbl2").setBackColor(state.ctrlLineColor);
}

} // namespace

Form4::Form4(app::Application& app)
    : Screen(app, layouts::Form4)
{
}

const app::Bindings& Form4::bindings() const
{
    using app::Event;
    static const app::Bindings table = {
        app::on(app::kFormName, Event::Load, &Form4::Form_Load),
        app::on(app::kFormName, Event::KeyDown, &Form4::Form_KeyDown),
        app::on("lbl2", Event::Click, &Form4::lbl2_Click),
        app::on("Tim1", Event::Timer, &Form4::Tim1_Timer),
        app::on("Tim2", Event::Timer, &Form4::Tim2_Timer),
        app::on("Command1", Event::Click, &Form4::Command1_Click),
        app::on("Command2", Event::Click, &Form4::Command2_Click),
    };
    return table;
}

void Form4::Form_Load()
{
    app::Screen& game = form("Form3");
    game.timer("tim2").setEnabled(false);
    game.timer("tim1").setEnabled(true);
}

void Form4::Form_KeyDown(std::int16_t KeyCode, std::int16_t /*Shift*/)
{
    if (KeyCode == kKeyCtrl)
        Goctrl();
}

void Form4::Goctrl()
{
    app::Screen& game = form("Form3");
    game.timer("tim1").setEnabled(false);
    game.Show();
    game.label("lbl15").setCaption("");
    game.label("lbl15").setCaption(form("Form1").label("Lbl3").caption());
    Hide();
    game.timer("Tim3").setEnabled(true);
    for (const LevelTiming& level : kLevelTimings) {
        if (game.label("lbl15").caption() == level.digit)
            game.timer(level.limitTimer).setEnabled(true);
    }
    for (const LevelTiming& level : kLevelTimings) {
        if (game.label("lbl15").caption() == level.digit)
            game.label("Lbl5").setCaption(level.message);
    }
}

void Form4::lbl2_Click()
{
    app::Screen& game = form("Form3");
    game.timer("tim1").setEnabled(false);
    game.Show();
}

void Form4::Tim1_Timer()
{
    showPromptState(*this, kPreparing);
    timer("Tim2").setEnabled(true);
    timer("Tim1").setEnabled(false);
}

void Form4::Tim2_Timer()
{
    showPromptState(*this, kPrompt);
    timer("Tim2").setEnabled(false);
}

void Form4::Command1_Click()
{
    End();
}

void Form4::Command2_Click()
{
    form("Form2").Show();
    Show();
}

} // namespace screens
