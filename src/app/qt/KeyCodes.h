#pragma once

// Toolkit key events as the key codes and shift masks the handlers expect.
//
// A code names the key, not the character: letters give 65-90 whatever
// Shift or Caps Lock do, the main-row digits 48-57 also when Shift has
// turned them into symbols, keypad digits 96-105 (never 48-57), either Ctrl
// 17. Keys no handler acts on give their usual codes where one is known,
// else 0.

#include <QKeyEvent>

#include <cstdint>

namespace qtshell {

std::int16_t keyCodeOf(const QKeyEvent& event);

// Shift 1, Ctrl 2, Alt 4, as the state is while the key is down: pressing
// a modifier key counts that modifier as held.
std::int16_t shiftMaskOf(const QKeyEvent& event);

} // namespace qtshell
