#include "screens/Form7.h"

#include "layouts/Layouts.h"
#include "screens/GameTimers.h"

namespace screens {

Form7::Form7(app::Application& app)
    : Screen(app, layouts::Form7)
{
}

const app::Bindings& Form7::bindings() const
{
    using app::Event;
    static const app::Bindings table = {
        app::on(app::kFormName, Event::Load, &Form7::Form_Load),
        app::on("ReCmd", Event::Click, &Form7::ReCmd_Click),
        app::on("Cmd2Command4", Event::Click, &Form7::Cmd2Command4_Click),
    };
    return table;
}

void Form7::Form_Load()
{
    stopGameTimers(form("Form3"));
}

void Form7::ReCmd_Click()
{
    Restart();
}

void Form7::Cmd2Command4_Click()
{
    End();
}

} // namespace screens
