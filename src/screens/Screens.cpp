#include "screens/Screens.h"

#include "game/Form3.h"
#include "layouts/Layouts.h"
#include "screens/Form1.h"
#include "screens/Form4.h"
#include "screens/Form6.h"
#include "screens/Form7.h"

namespace screens {

void addAll(app::Application& app, game::RandomSource& random)
{
    app.add<Form1>();
    app.add<app::Screen>(layouts::Form2); // the keyboard window has no handlers
    app.add<game::Form3>(random);
    app.add<Form4>();
    app.add<Form6>();
    app.add<Form7>();
}

} // namespace screens
