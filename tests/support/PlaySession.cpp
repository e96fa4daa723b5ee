#include "support/PlaySession.h"

#include "app/StepByStep.h"
#include "layouts/KeyTable.h"

namespace testing_support {

namespace {

constexpr int kCountLimit = 32767;

int keyWithCode(int keyCode)
{
    for (const auto& key : layouts::kKeys)
        if (key.keyCode == keyCode)
            return key.index;
    return -1;
}

} // namespace

const app::Label* PlaySession::labelOf(const app::Screen& screen, std::string_view name, int index)
{
    return static_cast<const app::Label*>(screen.find(name, index));
}

std::string PlaySession::captionOf(const app::Screen& screen, std::string_view name)
{
    const app::Label* label = labelOf(screen, name);
    return label ? label->caption() : std::string("(unloaded)");
}

std::string_view PlaySession::captionOfKey(int index)
{
    return layouts::kKeys[static_cast<std::size_t>(index)].caption;
}

void PlayCoverage::print(std::ostream& out) const
{
    out << "events " << events << ", programs " << programs << ", games started " << gamesStarted << ", questions "
        << questions << ", hits " << hits << ", misses " << misses << ", results screens " << resultsScreens
        << ", time-overs " << timeOvers << ", restarts " << restarts << ", ends " << ends
        << ", hits after a time-over " << hitsAfterTimeOver << ", results over a time-over " << resultsOverTimeOver
        << ", counts at their limit " << countsAtLimit << "\n";
}

PlaySession::PlaySession(PlayCoverage* coverage)
    : m_coverage(coverage ? coverage : &m_ownCoverage)
{
    startProgram();
}

PlaySession::~PlaySession() = default;

bool PlaySession::play(const PlayEvent& event)
{
    if (m_failure)
        return false;
    m_eventIndex = static_cast<std::size_t>(m_coverage->events++);
    try {
        apply(event);
    } catch (const std::exception& e) {
        fail("exception escaped", e.what());
    } catch (...) {
        fail("exception escaped", "not a std::exception");
    }
    if (!m_failure)
        checkState();
    if (!m_failure && m_driver->app.ended()) {
        ++m_coverage->ends;
        checkNothingRunsAfterEnd();
        startProgram();
    }
    return !m_failure;
}

// --- Playing -------------------------------------------------------------------

void PlaySession::startProgram()
{
    m_driver = std::make_unique<GameDriver>();
    m_driver->app.setShell(this);
    m_form2 = &m_driver->screen("Form2");
    m_form3 = &m_driver->screen("Form3");
    m_form4 = &m_driver->screen("Form4");
    m_form6 = &m_driver->screen("Form6");
    m_form7 = &m_driver->screen("Form7");
    m_expectedCorrect = 0;
    m_expectedMisses = 0;
    m_judgedSinceReadyLoad = false;
    m_redKey.reset();
    m_targetWritten.reset();
    m_afterTimeOver = AfterTimeOver::Free;
    m_gameShown = false;
    m_titleLoads = 0;
    m_skippedSteps = app::skippedSteps();
    ++m_coverage->programs;
    m_driver->app.start();
    if (!m_failure)
        checkState();
}

void PlaySession::apply(const PlayEvent& e)
{
    switch (e.action) {
    case PlayAction::Key:
        return pressKey(e);
    case PlayAction::Click:
        if (app::Widget* widget = m_driver->screen(e.screen).find(e.widget, e.index))
            click(*widget);
        return;
    case PlayAction::Activate:
    case PlayAction::Close:
        return window(e.action, m_driver->screen(e.screen));
    case PlayAction::Wait:
        return app::runFor(m_driver->app, m_driver->clock, e.ms);
    case PlayAction::Draw:
        return m_driver->keys.draw(e.keyIndex);
    case PlayAction::Wander:
        return m_driver->keys.wander();
    }
}

// Input the player cannot give is delivered all the same: a click on a
// widget of a hidden screen, a hidden label, a disabled button; the
// activation or the close box of a window that is not shown (a request the
// toolkit queued before a handler hid or unloaded it). Nothing may happen.
template <class Deliver>
void PlaySession::deliverImpossible(bool impossible, const std::string& what, Deliver deliver)
{
    const app::Application& a = m_driver->app;
    const long changes = m_changes;
    const app::Screen* active = a.active();
    deliver();
    if (impossible && (m_changes != changes || a.active() != active || a.ended()))
        fail("input the player cannot give does nothing", what);
}

void PlaySession::click(app::Widget& widget)
{
    const auto* label = dynamic_cast<const app::Label*>(&widget);
    const auto* button = dynamic_cast<const app::Button*>(&widget);
    const bool impossible =
        !widget.screen().isVisible() || (label && !label->visible()) || (button && !button->enabled());
    deliverImpossible(impossible, "click " + std::string(widget.screen().name()) + "." + std::string(widget.name()),
                      [&] { m_driver->app.click(widget); });
}

void PlaySession::window(PlayAction action, app::Screen& screen)
{
    const bool close = action == PlayAction::Close;
    deliverImpossible(!screen.isVisible(), (close ? "close " : "activate ") + std::string(screen.name()), [&] {
        if (close)
            m_driver->app.closeRequested(screen);
        else
            m_driver->app.activate(screen);
    });
}

// Judges the key here first, from the game screen's state before the press,
// then lets the program judge it. The account is settled before the press
// because the checks at the end of its delivery rely on it.
void PlaySession::pressKey(const PlayEvent& e)
{
    app::Screen& game = *m_form3;
    const int key = keyWithCode(e.keyCode);
    std::optional<bool> judgedCorrect;
    if (key >= 0 && m_driver->app.active() == &game && game.isVisible() && game.keyPreview()) {
        if (captionOf(game, "Hlbl1") == "1") {
            m_expectedCorrect = 0;
            m_expectedMisses = 0;
        }
        const bool correct = captionOf(game, "lbl1") == captionOfKey(key);
        judgedCorrect = correct;
        m_judgedSinceReadyLoad = true;
        int& count = correct ? m_expectedCorrect : m_expectedMisses;
        if (count < kCountLimit)
            ++count;
        else
            ++m_coverage->countsAtLimit;
        ++(correct ? m_coverage->hits : m_coverage->misses);
        if (correct && m_afterTimeOver != AfterTimeOver::Free) {
            ++m_coverage->hitsAfterTimeOver;
            m_afterTimeOver = AfterTimeOver::Free;
        } else if (!correct && m_afterTimeOver == AfterTimeOver::Stopped) {
            m_afterTimeOver = AfterTimeOver::Missed;
        }
    }
    m_driver->app.keyDown(e.keyCode, e.shift);
    if (judgedCorrect)
        checkJudged(*judgedCorrect);
}

void PlaySession::fail(std::string invariant, std::string detail)
{
    if (!m_failure)
        m_failure = PlayFailure{std::move(invariant), std::move(detail), m_eventIndex};
}

// --- What the frame tells a shell ------------------------------------------------

void PlaySession::WriteWatch::propertyChanged(app::Property property)
{
    ++m_session.m_changes;
    if (!m_target || property != app::Property::Caption)
        return;
    if (const int key = layouts::keyIndexOfCaption(captionOf(*m_session.m_form3, "lbl1")); key >= 0)
        m_session.m_targetWritten = key;
}

void PlaySession::screenLoaded(app::Screen& screen)
{
    ++m_changes;
    for (const auto& w : screen.widgets())
        w->setView(&m_writeWatch);
    if (&screen == m_form3)
        screen.find("lbl1")->setView(&m_targetWatch);
    if (&screen == m_form4) {
        ++m_coverage->gamesStarted;
        m_judgedSinceReadyLoad = false;
    }
    if (screen.name() == "Form1") {
        m_titleLoadedInEvent = true;
        if (m_titleLoads++ > 0)
            ++m_coverage->restarts;
    }
}

void PlaySession::screenUnloading(app::Screen& screen)
{
    ++m_changes;
    if (&screen == m_form2)
        m_redKey.reset();
    if (&screen == m_form3) {
        m_gameShown = false;
        m_gameUnloadedInEvent = true;
    }
    if (&screen == m_form7)
        m_afterTimeOver = AfterTimeOver::Free;
}

void PlaySession::screenShown(app::Screen& screen)
{
    ++m_changes;
    if (&screen == m_form3 && !m_gameShown) {
        m_gameShown = true;
        ++m_coverage->questions;
    }
    if (&screen == m_form6) {
        ++m_coverage->resultsScreens;
        if (m_form7->isVisible())
            ++m_coverage->resultsOverTimeOver;
        m_endScreenShown = EndScreen::Results;
    }
    if (&screen == m_form7) {
        ++m_coverage->timeOvers;
        m_afterTimeOver = AfterTimeOver::Stopped;
        m_elapsedAtTimeOver = m_driver->game().ElapsedSeconds;
        m_endScreenShown = EndScreen::TimeOver;
    }
}

void PlaySession::screenHidden(app::Screen& screen)
{
    ++m_changes;
    if (&screen == m_form3)
        m_gameShown = false;
}

void PlaySession::focusChanged(app::Screen&)
{
    ++m_changes;
}

void PlaySession::eventDelivered()
{
    ++m_deliveries;
    // The target's Change has run by now, whether or not it loaded the
    // keyboard window on the way.
    if (m_targetWritten) {
        m_redKey = m_targetWritten;
        m_targetWritten.reset();
    }
    if (m_endScreenShown != EndScreen::None)
        checkEndScreenJustShown(m_endScreenShown == EndScreen::Results);
    if (m_gameUnloadedInEvent)
        checkGameScreenReloaded();
    m_endScreenShown = EndScreen::None;
    m_gameUnloadedInEvent = false;
    m_titleLoadedInEvent = false;
    checkGameTimersAfterTheEnd();
}

void PlaySession::ended()
{
    ++m_deliveries;
    m_endScreenShown = EndScreen::None;
    m_gameUnloadedInEvent = false;
    m_titleLoadedInEvent = false;
}

} // namespace testing_support
