#include "screens/Form6.h"

#include "layouts/Layouts.h"
#include "screens/GameTimers.h"
#include "screens/NumberText.h"

namespace screens {

Form6::Form6(app::Application& app)
    : Screen(app, layouts::Form6)
{
}

const app::Bindings& Form6::bindings() const
{
    using app::Event;
    static const app::Bindings table = {
        app::on(app::kFormName, Event::Load, &Form6::Form_Load),
        app::on("ReCmd", Event::Click, &Form6::ReCmd_Click),
        app::on("Cmd1", Event::Click, &Form6::Cmd1_Click),
    };
    return table;
}

void Form6::Form_Load()
{
    app::Screen& game = form("Form3");
    game.timer("Tim4").setEnabled(false);
    game.timer("Tim5").setEnabled(false);
    game.timer("Tim6").setEnabled(false);
    label("Lbl6").setCaption(form("Form4").label("Slbl").caption());
    label("Lbl7").setCaption(form("Form4").label("Mlbl").caption());
    label("Lbl1").setCaption("");
    writeAccuracy();
    stopGameTimers(game);
    game.Hide();
    Great();
}

void Form6::writeAccuracy()
{
    const double misses = valueOf(label("Lbl7").caption());
    if (misses == 0) {
        label("Lbl8").setCaption("100");
        return;
    }
    // Counts stop at 32767 each, so their sum needs more than 16 bits.
    const double correct = correctCount();
    const auto total = static_cast<long>(correct + misses);
    const double accuracy = correct / static_cast<double>(total) * 100;
    label("Lbl8").setCaption(generalText(accuracy));
}

double Form6::correctCount()
{
    return valueOf(label("Lbl6").caption());
}

void Form6::Great()
{
    if (correctCount() >= 60)
        label("Lbl1").setCaption("おぉ！グレート！！");
    else
        Verygood();
}

void Form6::Verygood()
{
    if (correctCount() >= 55)
        label("Lbl1").setCaption("ベリーグッド！！");
    else
        Good();
}

void Form6::Good()
{
    if (correctCount() >= 40)
        label("Lbl1").setCaption("なかなかグッドですね！");
    else
        Madamada();
}

void Form6::Madamada()
{
    if (correctCount() < 40)
        label("Lbl1").setCaption("まだまだですね！がんばって！！");
}

void Form6::ReCmd_Click()
{
    Restart();
}

void Form6::Cmd1_Click()
{
    End();
}

} // namespace screens
