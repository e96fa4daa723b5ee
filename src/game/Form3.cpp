#include "game/Form3.h"

#include "app/Application.h"
#include "app/StepByStep.h"
#include "layouts/KeyTable.h"
#include "layouts/Layouts.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

namespace game {

namespace {

using layouts::kKeyCount;
using layouts::kKeys;

constexpr app::Color kRed = 0xFF;
constexpr app::Color kKeyCapGreen = 0xC0FFC0;
constexpr std::int16_t kCountLimit = 32767;

// Keys are tried in the order A to Z, 1 to 9, then the zero key.
constexpr std::array<int, kKeyCount> dispatchOrder()
{
    std::array<int, kKeyCount> order{};
    int n = 0;
    for (int code = 'A'; code <= 'Z'; ++code)
        for (const auto& key : kKeys)
            if (key.keyCode == code)
                order[static_cast<std::size_t>(n++)] = key.index;
    for (int code = '1'; code <= '9'; ++code)
        for (const auto& key : kKeys)
            if (key.keyCode == code)
                order[static_cast<std::size_t>(n++)] = key.index;
    for (const auto& key : kKeys)
        if (key.keyCode == '0')
            order[static_cast<std::size_t>(n++)] = key.index;
    return order;
}
constexpr auto kDispatchOrder = dispatchOrder();

// Counts stop at the largest 16-bit value instead of wrapping negative: a
// question without a limit lets a held key count on indefinitely.
void countOne(std::int16_t& count)
{
    if (count < kCountLimit)
        ++count;
}

std::string decimal(int value)
{
    return std::to_string(value);
}

const layouts::Key& keyAt(int index)
{
    return kKeys[static_cast<std::size_t>(index)];
}

} // namespace

Form3::Form3(app::Application& app, RandomSource& random)
    : Screen(app, layouts::Form3)
    , m_random(random)
{
}

const app::Bindings& Form3::bindings() const
{
    using app::Event;
    static const app::Bindings table = {
        app::on(app::kFormName, Event::KeyDown, &Form3::Form_KeyDown),
        app::on("lbl1", Event::Change, &Form3::lbl1_Change),
        app::on("lbl15", Event::Change, &Form3::lbl15_Change),
        app::on("tim1", Event::Timer, &Form3::tim1_Timer),
        app::on("Mtim1", Event::Timer, &Form3::Mtim1_Timer),
        app::on("tim2", Event::Timer, &Form3::tim2_Timer),
        app::on("Tim3", Event::Timer, &Form3::Tim3_Timer),
        app::on("Tim4", Event::Timer, &Form3::Tim4_Timer),
        app::on("Tim5", Event::Timer, &Form3::Tim5_Timer),
        app::on("Tim6", Event::Timer, &Form3::Tim6_Timer),
    };
    return table;
}

void Form3::call(std::string_view procedure)
{
    if (procedure == "Hantei")
        return Hantei();
    for (const auto& key : kKeys) {
        if (procedure == key.keyProc)
            return pressKey(key.index);
        if (procedure == key.highlightProc)
            return highlight(key.index);
    }
    throw std::invalid_argument("Form3 has no procedure " + std::string(procedure));
}

// --- Keys and judging ----------------------------------------------------------

void Form3::Form_KeyDown(std::int16_t KeyCode, std::int16_t /*Shift*/)
{
    // KeyPreview off means the handler never runs: no separate check here.
    for (int index : kDispatchOrder) {
        if (KeyCode == keyAt(index).keyCode)
            pressKey(index);
    }
}

// The key procedure of key k (Go1 .. GoM): marks it on the game screen's
// own, never visible, copy of the keyboard and judges it.
void Form3::pressKey(int k)
{
    labels("Label1")[k].setBackColor(kRed);
    labels("Label1")[k].setCaption("");
    label("lbl9").setCaption(keyAt(k).caption);
    const app::LabelArray caps = labels("Label1");
    for (int i = 0; i < kKeyCount; ++i)
        if (i != k)
            caps[i].setBackColor(kKeyCapGreen);
    for (int i = 0; i < kKeyCount; ++i)
        if (i != k)
            caps[i].setCaption(keyAt(i).caption);
    Hantei();
}

void Form3::Hantei()
{
    if (label("Hlbl1").caption() == "1") {
        CorrectCount = 0;
        MissCount = 0;
        label("Hlbl1").setCaption("");
    }
    if (label("lbl1").caption() == label("lbl9").caption()) {
        timer("tim2").setEnabled(true);
        label("lbl3").setVisible(true);
        setKeyPreview(false);
        timer("Mtim1").setEnabled(false);
        countOne(CorrectCount);
        form("Form4").label("Slbl").setCaption(decimal(CorrectCount));
    } else {
        timer("Mtim1").setEnabled(true);
        countOne(MissCount);
        form("Form4").label("Mlbl").setCaption(decimal(MissCount));
    }
}

void Form3::Mtim1_Timer()
{
    app::Label& miss = label("lbl4");
    miss.setVisible(!miss.visible());
}

void Form3::tim2_Timer()
{
    app::stepByStep({
        [&] { form("Form4").Show(); },
        [&] { Unload(); },
        [&] { form("Form4").timer("Tim1").setEnabled(true); },
        // Refers to this screen after its unload: brings it back hidden with
        // its layout values, and tim1 drawing targets again.
        [&] { timer("tim2").setEnabled(false); },
    });
}

// --- Targets -------------------------------------------------------------------

void Form3::tim1_Timer()
{
    app::stepByStep({[&] {
        const double r = m_random.next();
        const int i = static_cast<int>(r * kKeyCount);
        const std::string caption = labels("Label1")[i].caption();
        label("lbl1").setCaption(caption);
    }});
}

void Form3::lbl1_Change()
{
    // Captions are unique: at most one key matches, and the empty target
    // none, which leaves the previous highlight in place.
    const int index = layouts::keyIndexOfCaption(label("lbl1").caption());
    if (index >= 0)
        highlight(index);
}

// The highlight procedure of key k (L0 .. L35): the one red key on the
// keyboard window. Runs at every target draw, so it looks the array up once.
void Form3::highlight(int k)
{
    const app::LabelArray caps = form("Form2").labels("Label1");
    app::Label& target = caps[k];
    target.setBackColor(kRed);
    for (app::Label* cap : caps)
        if (cap != &target)
            cap->setBackColor(app::kButtonFace);
}

// --- Question and game clocks ------------------------------------------------

void Form3::lbl15_Change()
{
    const std::string& level = label("lbl15").caption();
    if (level == "1")
        timer("Tim4").setEnabled(true);
    if (level == "2")
        timer("Tim5").setEnabled(true);
    if (level == "3")
        timer("Tim6").setEnabled(true);
}

void Form3::Tim3_Timer()
{
    constexpr std::int16_t kGameSeconds = 60;
    if (label("Hlbl2").caption() == "1") {
        ElapsedSeconds = 0;
        label("Hlbl2").setCaption("");
    }
    if (ElapsedSeconds < kGameSeconds)
        ++ElapsedSeconds;
    label("Lbl10").setCaption(decimal(kGameSeconds - ElapsedSeconds));
    if (ElapsedSeconds == kGameSeconds) {
        ElapsedSeconds = 0;
        form("Form6").Show();
        timer("Tim3").setEnabled(false);
    }
}

void Form3::Tim4_Timer()
{
    limitExpired("Tim4");
}

void Form3::Tim5_Timer()
{
    limitExpired("Tim5");
}

void Form3::Tim6_Timer()
{
    limitExpired("Tim6");
}

void Form3::limitExpired(std::string_view limitTimer)
{
    app::stepByStep({
        [&] { form("Form7").Show(); },
        [&] { timer("Mtim1").setEnabled(false); },
        [&] { timer(limitTimer).setEnabled(false); },
        [&] { timer("tim1").setEnabled(false); },
        [&] { timer("tim2").setEnabled(false); },
        [&] { timer("Tim3").setEnabled(false); },
    });
}

} // namespace game
