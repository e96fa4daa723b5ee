#include "support/RandomPlayer.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace testing_support {

void RandomPlayer::next(GameDriver& d, std::vector<PlayEvent>& out)
{
    app::Screen* active = d.app.active();
    const bool question = active == &d.screen("Form3") && d.screen("Form3").keyPreview();
    // A question keeps its plan while the player looks at another window.
    if (question && !m_planned)
        planAnswer(d);
    if (chance(question ? 8 : 20))
        return anything(d, out);
    if (question)
        return inQuestion(d, out);
    if (active == &d.screen("Form3")) {
        m_planned = false;
        return inPause(out);
    }
    if (active == &d.screen("Form1") || active == &d.screen("Form4") || d.screen("Form6").isVisible() ||
        d.screen("Form7").isVisible())
        m_planned = false;
    if (active == &d.screen("Form1"))
        return onTitle(d, out);
    if (active == &d.screen("Form4"))
        return onReady(d, out);
    if (d.screen("Form6").isVisible() || d.screen("Form7").isVisible())
        return onEndScreen(d, out);
    if (d.screen("Form3").isVisible() && chance(70))
        return out.push_back(activateEvent("Form3"));
    if (chance(60))
        return out.push_back(activateEvent(randomScreen(d, true).name()));
    anything(d, out);
}

PlayEvent RandomPlayer::click(GameDriver& d, std::string_view screen, std::string_view widget)
{
    const app::ScreenDesc& desc = d.screen(screen).desc();
    for (const app::WidgetDesc& w : desc.widgets)
        if (w.name == widget)
            return clickEvent(desc, w);
    throw std::invalid_argument("no widget " + std::string(widget));
}

app::Screen& RandomPlayer::randomScreen(GameDriver& d, bool shownOnly)
{
    std::vector<app::Screen*> candidates;
    for (const auto& s : d.app.screens())
        if (!shownOnly || s->isVisible())
            candidates.push_back(s.get());
    if (candidates.empty())
        return *d.app.screens()[static_cast<std::size_t>(below(6))];
    return *candidates[static_cast<std::size_t>(below(static_cast<int>(candidates.size())))];
}

PlayEvent RandomPlayer::randomWait()
{
    // Short waits mostly: the target timer ticks every millisecond on the
    // ready screen, and long ones are rarely needed to reach anything.
    const int roll = below(100);
    if (roll < 50)
        return waitEvent(below(100));
    return waitEvent(below(3001));
}

void RandomPlayer::repeated(PlayEvent key, int times, std::vector<PlayEvent>& out)
{
    for (int i = 0; i < times; ++i)
        out.push_back(key);
}

void RandomPlayer::onTitle(GameDriver& d, std::vector<PlayEvent>& out)
{
    app::Screen& title = d.screen("Form1");
    const auto enabled = [&](std::string_view b) { return static_cast<app::Button*>(title.find(b))->enabled(); };
    if (chance(15))
        return anything(d, out);
    if (enabled("cmd4") && chance(80)) {
        const int how = below(10);
        if (how < 6)
            return out.push_back(click(d, "Form1", "cmd4"));
        return out.push_back(how < 8 ? keyEvent('A', app::kAltKey) : keyEvent(app::kKeyEnter));
    }
    if (enabled("cmdok") && chance(75))
        return out.push_back(chance(70) ? click(d, "Form1", "cmdok") : keyEvent('Q', app::kAltKey));
    // Level 1 leaves the most time per question, so most games reach the results.
    const int level = chance(80) ? 1 : 2 + below(2);
    if (chance(50))
        return out.push_back(click(d, "Form1", "cmd" + std::to_string(level)));
    out.push_back(keyEvent('0' + level, app::kAltKey));
}

void RandomPlayer::onReady(GameDriver& d, std::vector<PlayEvent>& out)
{
    // Ctrl before the first target is drawn opens a question that no key
    // answers; a player does that now and then, not every game.
    const bool drawn = !d.caption("Form3", "lbl1").empty();
    const int roll = below(100);
    if (roll < (drawn ? 45 : 2))
        return out.push_back(keyEvent(kCtrl, anyMask()));
    if (roll < 60) {
        out.push_back(drawEvent(anyKeyIndex()));
        return out.push_back(waitEvent(1 + below(20)));
    }
    if (roll < 75)
        return out.push_back(waitEvent(below(30)));
    if (roll < 80)
        return out.push_back(click(d, "Form4", "lbl2"));
    if (roll < 84)
        return out.push_back(click(d, "Form4", "Command2"));
    if (roll < 88)
        return out.push_back(waitEvent(below(3001)));
    anything(d, out);
}

// When the player will answer the question just opened: mostly within
// the level's limit, so that games last to the results; sometimes at
// once, which adds no countdown tick; sometimes too late.
void RandomPlayer::planAnswer(GameDriver& d)
{
    const std::string level = d.caption("Form1", "Lbl3");
    const int limit = level == "3" ? 1700 : level == "2" ? 3000 : 5000;
    const int kind = below(100);
    int think = 0;
    if (kind < 85)
        think = limit * 15 / 100 + below(limit * 70 / 100);
    else if (kind < 97)
        think = below(800);
    else
        think = limit * 9 / 10 + below(limit * 4 / 10);
    m_answerAt = d.clock.nowMs() + think;
    m_planned = true;
}

void RandomPlayer::inQuestion(GameDriver& d, std::vector<PlayEvent>& out)
{
    // A question opened before the first target was drawn has none: no
    // key is right, and only its limit (if any) ends it.
    const int right = layouts::keyIndexOfCaption(d.caption("Form3", "lbl1"));
    const std::int64_t thinking = m_answerAt - d.clock.nowMs();
    const int roll = below(100);
    if (thinking <= 0 && right >= 0) {
        if (roll < 75)
            return out.push_back(keyEvent(codeOfKey(right), anyMask()));
        if (roll < 85)
            return repeated(keyEvent(codeOfKey(right), anyMask()), 2 + below(40), out);
        return out.push_back(waitEvent(below(100)));
    }
    // Rarely, a wrong key held for minutes: the miss count reaches its
    // largest value.
    if (below(150000) == 0)
        return repeated(keyEvent(codeOfKey(anyKeyIndex()), 0), 33000, out);
    if (roll < 12)
        return out.push_back(keyEvent(codeOfKey(anyKeyIndex()), anyMask()));
    if (roll < 15)
        return repeated(keyEvent(codeOfKey(anyKeyIndex()), anyMask()), 2 + below(20), out);
    out.push_back(waitEvent(std::clamp<std::int64_t>(thinking, 1, 1 + below(1500))));
}

void RandomPlayer::inPause(std::vector<PlayEvent>& out)
{
    if (chance(70))
        return out.push_back(waitEvent(below(250)));
    out.push_back(keyEvent(codeOfKey(anyKeyIndex()), anyMask()));
}

void RandomPlayer::onEndScreen(GameDriver& d, std::vector<PlayEvent>& out)
{
    const bool results = d.screen("Form6").isVisible();
    const std::string_view screen = results ? "Form6" : "Form7";
    // Under the time-over screen the game screen may still take keys.
    if (!results && d.screen("Form3").isVisible() && chance(15))
        return out.push_back(activateEvent("Form3"));
    const int roll = below(100);
    if (roll < 45)
        return out.push_back(click(d, screen, "ReCmd"));
    if (roll < 55) {
        out.push_back(activateEvent(screen));
        return out.push_back(keyEvent('R', app::kAltKey));
    }
    if (roll < 57)
        return out.push_back(click(d, screen, results ? "Cmd1" : "Cmd2Command4"));
    if (roll < 58)
        return out.push_back(keyEvent(chance(50) ? 'E' : app::kKeySpace, chance(50) ? app::kAltKey : 0));
    if (roll < 80)
        return out.push_back(randomWait());
    anything(d, out);
}

// Any input the frame can receive, on any screen.
void RandomPlayer::anything(GameDriver& d, std::vector<PlayEvent>& out)
{
    const int roll = below(100);
    if (roll < 30)
        return out.push_back(keyEvent(below(256), anyMask()));
    if (roll < 55) {
        // Mostly widgets the player can see; sometimes those of hidden
        // screens, hidden labels and disabled buttons, which must do nothing.
        std::vector<const app::Widget*> widgets;
        for (const auto& s : d.app.screens())
            if (s->isVisible() || (s->isLoaded() && chance(15)))
                for (const auto& w : s->widgets())
                    if (w->kind() != app::WidgetKind::Timer)
                        widgets.push_back(w.get());
        if (widgets.empty())
            return out.push_back(randomWait());
        const app::Widget& w = *widgets[static_cast<std::size_t>(below(static_cast<int>(widgets.size())))];
        return out.push_back(clickEvent(w.screen().desc(), w.desc()));
    }
    if (roll < 65)
        return out.push_back(activateEvent(randomScreen(d, chance(70)).name()));
    if (roll < 67)
        return out.push_back(closeEvent(randomScreen(d, chance(80)).name()));
    if (roll < 87)
        return out.push_back(randomWait());
    if (roll < 92)
        return out.push_back(drawEvent(anyKeyIndex()));
    if (roll < 93)
        return out.push_back(wanderEvent());
    repeated(keyEvent(below(256), anyMask()), 2 + below(30), out);
}

} // namespace testing_support
