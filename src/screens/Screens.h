#pragma once

// The program's six screens, registered in registry order.

#include "app/Application.h"
#include "game/RandomSource.h"

namespace screens {

void addAll(app::Application& app, game::RandomSource& random);

} // namespace screens
