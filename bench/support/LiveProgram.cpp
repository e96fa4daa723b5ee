#include "support/LiveProgram.h"

#include "screens/Screens.h"

#include <stdexcept>
#include <string>

namespace bench {

LiveProgram::LiveProgram()
{
    screens::addAll(m_app, m_random);
}

void LiveProgram::click(std::string_view screen, std::string_view widget)
{
    app::Widget* target = m_app.screen(screen).find(widget);
    if (!target)
        throw std::logic_error("no widget " + std::string(widget) + " on " + std::string(screen));
    m_app.click(*target);
}

void LiveProgram::toReadyScreenWithKeyboard()
{
    m_app.start();
    click("Form1", "cmd1");
    click("Form1", "cmdok");
    click("Form1", "cmd4");
    click("Form4", "Command2");
    if (!m_app.screen("Form4").isVisible() || !m_app.screen("Form2").isVisible())
        throw std::logic_error("the ready screen and the keyboard window are not both shown");
}

} // namespace bench
