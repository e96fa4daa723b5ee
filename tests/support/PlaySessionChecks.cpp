// The invariants of a play session, checked after every event, and the
// check that nothing runs after End.

#include "support/PlaySession.h"

#include "app/StepByStep.h"
#include "layouts/KeyTable.h"

#include <array>
#include <sstream>
#include <string_view>

namespace testing_support {

namespace {

constexpr std::array<std::string_view, 7> kGameTimers = {"Mtim1", "tim1", "tim2", "Tim3", "Tim4", "Tim5", "Tim6"};
constexpr app::Color kRed = 0xFF;
constexpr int kGameSeconds = 60;

bool timerOn(const app::Screen& screen, std::string_view name)
{
    const auto* timer = static_cast<const app::Timer*>(screen.find(name));
    return timer && timer->enabled();
}
// The accuracy as the results screen writes it, computed on another road:
// the general form of a double is what a stream prints at precision 15.
std::string expectedAccuracy(int correct, int misses)
{
    if (misses == 0)
        return "100";
    std::ostringstream out;
    out.precision(15);
    out << static_cast<double>(correct) / static_cast<double>(correct + misses) * 100;
    return out.str();
}

std::string_view expectedRating(int correct)
{
    if (correct >= 60)
        return "おぉ！グレート！！";
    if (correct >= 55)
        return "ベリーグッド！！";
    if (correct >= 40)
        return "なかなかグッドですね！";
    return "まだまだですね！がんばって！！";
}

} // namespace

void PlaySession::checkState()
{
    const app::Application& a = m_driver->app;
    if (a.failedHandlers() != 0)
        return fail("no handler fails", std::to_string(a.failedHandlers()) + " handler(s) abandoned by a failure");
    if (app::skippedSteps() != m_skippedSteps)
        return fail("no step fails", "an error-ignoring handler skipped a failing step");
    if (const app::Screen* active = a.active(); active && !active->isVisible())
        return fail("the active screen is shown", std::string(active->name()) + " is active but not shown");
    for (const auto& screen : a.screens())
        if (screen->isVisible() && !screen->isLoaded())
            return fail("a shown screen is loaded", std::string(screen->name()));

    const game::Form3& game = m_driver->game();
    if (game.CorrectCount < 0 || game.MissCount < 0)
        return fail("counts in 0..32767", counts());
    if (game.ElapsedSeconds < 0 || game.ElapsedSeconds > kGameSeconds)
        return fail("ElapsedSeconds in 0..60", std::to_string(game.ElapsedSeconds));
    if (game.CorrectCount != m_expectedCorrect || game.MissCount != m_expectedMisses)
        return fail("counts equal the judged keys", counts());
    if (m_form3->isVisible() && timerOn(*m_form3, "tim1"))
        return fail("the target stays still while the game screen is shown", "tim1 is on");
    checkReadyCounts();
    checkKeyboard();
    checkGameTimersAfterTheEnd();
}

// A hit closes the question: "OK", no more keys judged, the pause running,
// the blink stopped. A miss leaves it open and blinking.
void PlaySession::checkJudged(bool correct)
{
    app::Screen& game = *m_form3;
    const bool preview = game.keyPreview();
    const bool ok = labelOf(game, "lbl3")->visible();
    const std::string state = std::string("key preview ") + (preview ? "on" : "off") + ", OK " +
                              (ok ? "shown" : "hidden") + ", timers on:" + gameTimersOn();
    if (correct && (preview || !ok || timerOn(game, "Mtim1") || !timerOn(game, "tim2")))
        fail("a hit closes the question", state);
    if (!correct && (!preview || ok || !timerOn(game, "Mtim1")))
        fail("a miss leaves the question open and blinking", state);
}

std::string PlaySession::counts() const
{
    const game::Form3& game = m_driver->game();
    return "CorrectCount " + std::to_string(game.CorrectCount) + " MissCount " + std::to_string(game.MissCount) +
           ", judged here: " + std::to_string(m_expectedCorrect) + " right, " + std::to_string(m_expectedMisses) +
           " wrong";
}

std::pair<std::string, std::string> PlaySession::shownCounts() const
{
    if (!m_judgedSinceReadyLoad)
        return {"0", "0"};
    const game::Form3& game = m_driver->game();
    return {std::to_string(game.CorrectCount), std::to_string(game.MissCount)};
}

void PlaySession::checkReadyCounts()
{
    if (!m_form4->isLoaded())
        return;
    const auto [correct, misses] = shownCounts();
    const std::string slbl = captionOf(*m_form4, "Slbl");
    const std::string mlbl = captionOf(*m_form4, "Mlbl");
    if (slbl != correct || mlbl != misses)
        fail("the ready screen shows the counts",
             "Slbl " + slbl + " Mlbl " + mlbl + ", expected " + correct + " and " + misses + "; " + counts());
}

void PlaySession::checkKeyboard()
{
    if (!m_form2->isLoaded())
        return;
    std::string red;
    for (const auto& key : layouts::kKeys) {
        const app::Color color = labelOf(*m_form2, "Label1", key.index)->backColor();
        if (color == kRed)
            red += " " + std::string(key.caption);
        else if (color != app::kButtonFace)
            return fail("keyboard keys are red or button face", std::string(key.caption) + " has another colour");
    }
    const std::string expected = m_redKey ? " " + std::string(captionOfKey(*m_redKey)) : "";
    if (red != expected)
        fail("exactly the target is red on the keyboard", "red:" + red + ", expected:" + expected);
}

std::string PlaySession::gameTimersOn() const
{
    std::string on;
    for (std::string_view name : kGameTimers)
        if (timerOn(*m_form3, name))
            on += " " + std::string(name);
    return on;
}

void PlaySession::checkGameTimersAfterTheEnd()
{
    const std::int16_t elapsed = m_driver->game().ElapsedSeconds;
    if (m_form6->isLoaded()) {
        if (const std::string on = gameTimersOn(); !on.empty())
            return fail("no game timer runs under the results screen", "on:" + on);
        if (m_form3->isVisible())
            return fail("the game screen is hidden under the results screen", "");
        if (elapsed != 0)
            return fail("the game clock is reset under the results screen", std::to_string(elapsed));
    }
    if (m_afterTimeOver != AfterTimeOver::Free && elapsed != m_elapsedAtTimeOver)
        return fail("after a time-over the game clock stands still until a hit",
                    std::to_string(m_elapsedAtTimeOver) + " became " + std::to_string(elapsed));
    const std::string on = m_afterTimeOver == AfterTimeOver::Free ? "" : gameTimersOn();
    if (m_afterTimeOver == AfterTimeOver::Stopped && !on.empty())
        fail("after a time-over nothing runs until a key is judged", "on:" + on);
    if (m_afterTimeOver == AfterTimeOver::Missed && !on.empty() && on != " Mtim1")
        fail("after a time-over a miss restarts only the blink", "on:" + on);
}

void PlaySession::checkGameScreenReloaded()
{
    const app::Screen& game = *m_form3;
    if (!game.isLoaded() || game.isVisible())
        return fail("the game screen comes back hidden", game.isLoaded() ? "shown" : "unloaded");
    const std::string state = "key preview " + std::string(m_form3->keyPreview() ? "on" : "off") + ", target '" +
                              captionOf(game, "lbl1") + "', first-key flag '" + captionOf(game, "Hlbl1") +
                              "', timers on:" + gameTimersOn();
    const std::string expected = "key preview on, target '', first-key flag '" +
                                 std::string(m_titleLoadedInEvent ? "1', timers on:" : "', timers on: tim1");
    if (state != expected)
        fail("the game screen comes back with its layout values", state + "; expected " + expected);
}

// The end screens' loads have done all their work when the event that
// opened them returns.
void PlaySession::checkEndScreenJustShown(bool results)
{
    if (const std::string on = gameTimersOn(); !on.empty())
        return fail("an end screen stops every game timer",
                    std::string(results ? "results" : "time-over") + ", on:" + on);
    if (!results)
        return;
    const auto [correct, misses] = shownCounts();
    const int c = std::stoi(correct);
    const std::string shown = captionOf(*m_form6, "Lbl6") + " / " + captionOf(*m_form6, "Lbl7") + " / " +
                              captionOf(*m_form6, "Lbl8") + " / " + captionOf(*m_form6, "Lbl1");
    const std::string expected = correct + " / " + misses + " / " + expectedAccuracy(c, std::stoi(misses)) +
                                 " / " + std::string(expectedRating(c));
    if (shown != expected)
        fail("the results screen shows what was judged", "shown " + shown + ", expected " + expected);
}

// --- After End -----------------------------------------------------------------

std::vector<std::string> PlaySession::snapshot() const
{
    std::vector<std::string> out;
    const app::Application& a = m_driver->app;
    for (const auto& s : a.screens()) {
        std::string head = std::string(s->name()) + (s->isLoaded() ? " loaded" : "") +
                           (s->isVisible() ? " shown" : "") + (a.active() == s.get() ? " active" : "");
        if (const app::Button* focused = s->focusedButton())
            head += " focus " + std::string(focused->name());
        out.push_back(std::move(head));
        for (const auto& w : s->widgets()) {
            std::string line = std::string(s->name()) + "." + std::string(w->name()) + "(" +
                               std::to_string(w->index()) + ")";
            if (const auto* label = dynamic_cast<const app::Label*>(w.get()))
                line += " " + label->caption() + " " + std::to_string(label->backColor()) +
                        (label->visible() ? " visible" : "");
            else if (const auto* button = dynamic_cast<const app::Button*>(w.get()))
                line += button->enabled() ? " enabled" : " disabled";
            else if (const auto* timer = dynamic_cast<const app::Timer*>(w.get()))
                line += timer->enabled() ? " on" : " off";
            out.push_back(std::move(line));
        }
    }
    const game::Form3& game = m_driver->game();
    out.push_back("counts " + std::to_string(game.CorrectCount) + " " + std::to_string(game.MissCount) + " " +
                  std::to_string(game.ElapsedSeconds));
    out.push_back("next due " + (a.nextDue() ? std::to_string(*a.nextDue()) : std::string("none")));
    return out;
}

// Time passes, keys are pressed, every widget is clicked, every window
// activated and closed: none of it may reach a handler or change a thing.
void PlaySession::checkNothingRunsAfterEnd()
{
    GameDriver& d = *m_driver;
    const std::vector<std::string> before = snapshot();
    const long deliveries = m_deliveries;
    const long changes = m_changes;
    d.keys.draw((m_redKey.value_or(0) + 1) % layouts::kKeyCount);
    app::runFor(d.app, d.clock, 6000);
    d.app.runDueTimers();
    for (int code : {int(kCtrl), int('A'), int('0'), int(app::kKeySpace), int(app::kKeyEnter), int(app::kKeyTab)})
        for (std::int16_t shift : {std::int16_t(0), std::int16_t(app::kAltKey)})
            d.press(code, shift);
    for (int code : {'R', 'E', 'Q', 'A', '1'})
        d.press(code, app::kAltKey);
    for (const auto& s : d.app.screens()) {
        for (const auto& w : s->widgets())
            d.app.click(*w);
        d.app.activate(*s);
        d.app.closeRequested(*s);
    }
    d.app.start();
    app::runFor(d.app, d.clock, 100);
    const std::vector<std::string> after = snapshot();
    if (m_deliveries != deliveries || m_changes != changes)
        return fail("nothing runs after End", std::to_string(m_deliveries - deliveries) + " events delivered, " +
                                                  std::to_string(m_changes - changes) + " changes");
    for (std::size_t i = 0; i < before.size() && i < after.size(); ++i)
        if (before[i] != after[i])
            return fail("nothing changes after End", before[i] + " became " + after[i]);
    if (before.size() != after.size())
        fail("nothing changes after End", "screens were loaded or unloaded");
}

} // namespace testing_support
