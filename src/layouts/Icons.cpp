#include "layouts/Icons.h"

#include <array>
#include <string_view>

// Each picture is drawn as a character grid so that it can be read and edited
// in place; the pixel characters follow the palette order stated in Icons.h.

namespace {

using Rows16 = std::array<std::string_view, 16>;
using Rows32 = std::array<std::string_view, 32>;

// clang-format off

// A key cap bearing a red テ: the program's own mark.
constexpr Rows16 kTitle16 = {
    "eeeeeeeeeeeeeeee",
    "e00000000000000e",
    "e07777777777780e",
    "e07fffffffff780e",
    "e07ff999999f780e",
    "e07fffffffff780e",
    "e07f99999999780e",
    "e07fffff9fff780e",
    "e07fffff9fff780e",
    "e07ffff9ffff780e",
    "e07ff99fffff780e",
    "e07777777777780e",
    "e08888888888880e",
    "e08888888888880e",
    "e00000000000000e",
    "eeeeeeeeeeeeeeee",
};

// The same key cap, larger, with speed lines: the key is on the run.
constexpr Rows32 kTitle32 = {
    "eeeeeeeeeeeeeeeeeeeeeeeeeeeeeeee",
    "eeeeeeeeeeeeeeeeeeeeeeeeeeeeeeee",
    "eeeeee0000000000000000000000000e",
    "eeeeee0777777777777777777777880e",
    "eeeeee07fffffffffffffffffff7880e",
    "eeeeee07fffffffffffffffffff7880e",
    "eeeeee07fffffffffffffffffff7880e",
    "eeeeee07fffff9999999999ffff7880e",
    "eeeeee07fffff9999999999ffff7880e",
    "ccccce07fffffffffffffffffff7880e",
    "eeeeee07fffffffffffffffffff7880e",
    "eeeeee07fff99999999999999ff7880e",
    "eeeeee07fff99999999999999ff7880e",
    "eeeeee07ffffffffff99fffffff7880e",
    "eccccc07ffffffffff99fffffff7880e",
    "eeeeee07fffffffff99ffffffff7880e",
    "eeeeee07fffffffff99ffffffff7880e",
    "eeeeee07ffffffff99fffffffff7880e",
    "eeeeee07ffffff9999fffffffff7880e",
    "ccccce07fffff999fffffffffff7880e",
    "eeeeee07fffffffffffffffffff7880e",
    "eeeeee07fffffffffffffffffff7880e",
    "eeeeee07fffffffffffffffffff7880e",
    "eeeeee07fffffffffffffffffff7880e",
    "eecccc0777777777777777777777880e",
    "eeeeee0888888888888888888888880e",
    "eeeeee0888888888888888888888880e",
    "eeeeee0888888888888888888888880e",
    "eeeeee0000000000000000000000000e",
    "eeeeeeeeeeeeeeeeeeeeeeeeeeeeeeee",
    "eeeeeeeeeeeeeeeeeeeeeeeeeeeeeeee",
    "eeeeeeeeeeeeeeeeeeeeeeeeeeeeeeee",
};

// A keyboard on green, one key lit red as in the keyboard window.
constexpr Rows16 kKeyboard16 = {
    "2222222222222222",
    "2222222222222222",
    "2222222222222222",
    "0000000000000000",
    "0888888888888880",
    "08f8f8f8f8f8f880",
    "0888888888888880",
    "088f8f898f8f8f80",
    "0888888888888880",
    "08f8f8f8f8f8f880",
    "0888888888888880",
    "0888ffffffff8880",
    "0888888888888880",
    "0000000000000000",
    "2222222222222222",
    "2222222222222222",
};

constexpr Rows32 kKeyboard32 = {
    "22222222222222222222222222222222",
    "22222222222222222222222222222222",
    "22222222222222222222222222222222",
    "22222222222222222222222222222222",
    "22222222222222222222222222222222",
    "22222222222222222222222222222222",
    "00000000000000000000000000000000",
    "08888888888888888888888888888880",
    "08888888888888888888888888888880",
    "08ff8ff8ff8ff8ff8ff8ff8ff8ff8880",
    "08f78f78f78f78f78f78f78f78f78880",
    "08888888888888888888888888888880",
    "088ff8ff8ff8ff8ff8ff8ff8ff8ff880",
    "088f78f78f78f78f78f78f78f78f7880",
    "08888888888888888888888888888880",
    "0888ff8ff8ff8998ff8ff8ff8ff88880",
    "0888f78f78f78918f78f78f78f788880",
    "08888888888888888888888888888880",
    "08888ff8ff8ff8ff8ff8ff8ff8888880",
    "08888f78f78f78f78f78f78f78888880",
    "08888888888888888888888888888880",
    "08888888ffffffffffffffff88888880",
    "08888888f77777777777777788888880",
    "08888888888888888888888888888880",
    "08888888888888888888888888888880",
    "00000000000000000000000000000000",
    "22222222222222222222222222222222",
    "22222222222222222222222222222222",
    "22222222222222222222222222222222",
    "22222222222222222222222222222222",
    "22222222222222222222222222222222",
    "22222222222222222222222222222222",
};

// A key cap with a red target: the key to hit.
constexpr Rows16 kGame16 = {
    "bbbbbbbbbbbbbbbb",
    "b00000000000000b",
    "b07777777777780b",
    "b07fff99ffff780b",
    "b07f999999ff780b",
    "b07f9ffff9ff780b",
    "b0799f99f99f780b",
    "b0799f99f99f780b",
    "b07f9ffff9ff780b",
    "b07f999999ff780b",
    "b07fff99ffff780b",
    "b07777777777780b",
    "b08888888888880b",
    "b08888888888880b",
    "b00000000000000b",
    "bbbbbbbbbbbbbbbb",
};

constexpr Rows32 kGame32 = {
    "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb",
    "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb",
    "bb0000000000000000000000000000bb",
    "bb0777777777777777777777777880bb",
    "bb07ffffffffffffffffffffff7880bb",
    "bb07fffffff99999999fffffff7880bb",
    "bb07fffff999999999999fffff7880bb",
    "bb07ffff9999ffffff9999ffff7880bb",
    "bb07fff999ffffffffff999fff7880bb",
    "bb07ff999ffff9999ffff999ff7880bb",
    "bb07ff99fff99999999fff99ff7880bb",
    "bb07f999ff9999ff9999ff999f7880bb",
    "bb07f99fff99ffffff99fff99f7880bb",
    "bb07f99ff999ff99ff999ff99f7880bb",
    "bb07f99ff99ff9999ff99ff99f7880bb",
    "bb07f99ff99ff9999ff99ff99f7880bb",
    "bb07f99ff999ff99ff999ff99f7880bb",
    "bb07f99fff99ffffff99fff99f7880bb",
    "bb07f999ff9999ff9999ff999f7880bb",
    "bb07ff99fff99999999fff99ff7880bb",
    "bb07ff999ffff9999ffff999ff7880bb",
    "bb07fff999ffffffffff999fff7880bb",
    "bb07ffff9999ffffff9999ffff7880bb",
    "bb07fffff999999999999fffff7880bb",
    "bb07fffffff99999999fffffff7880bb",
    "bb0777777777777777777777777880bb",
    "bb0888888888888888888888888880bb",
    "bb0888888888888888888888888880bb",
    "bb0888888888888888888888888880bb",
    "bb0000000000000000000000000000bb",
    "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb",
    "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb",
};

// A red arrow pressing down on the Ctrl key, which opens each question.
constexpr Rows16 kReady16 = {
    "aaaaaaa99aaaaaaa",
    "aaaaaaa99aaaaaaa",
    "aaaaaaa99aaaaaaa",
    "aaaaa999999aaaaa",
    "aaaaaa9999aaaaaa",
    "aaaaaaa99aaaaaaa",
    "0000000000000000",
    "0777777777777770",
    "07f00ff0fffff070",
    "070fff000ffff070",
    "070ffff0ff00f070",
    "070ffff0ff0ff070",
    "07f00ff00f0ff070",
    "0777777777777770",
    "0888888888888880",
    "0000000000000000",
};

constexpr Rows32 kReady32 = {
    "aaaaaaaaaaaaaa9999aaaaaaaaaaaaaa",
    "aaaaaaaaaaaaaa9999aaaaaaaaaaaaaa",
    "aaaaaaaaaaaaaa9999aaaaaaaaaaaaaa",
    "aaaaaaaaaaaaaa9999aaaaaaaaaaaaaa",
    "aaaaaaaaaaaaaa9999aaaaaaaaaaaaaa",
    "aaaaaaaaaaaaaa9999aaaaaaaaaaaaaa",
    "aaaaaaaaa99999999999999aaaaaaaaa",
    "aaaaaaaaaa999999999999aaaaaaaaaa",
    "aaaaaaaaaaa9999999999aaaaaaaaaaa",
    "aaaaaaaaaaaa99999999aaaaaaaaaaaa",
    "aaaaaaaaaaaaa999999aaaaaaaaaaaaa",
    "aaaaaaaaaaaaaa9999aaaaaaaaaaaaaa",
    "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa",
    "a000000000000000000000000000000a",
    "a077777777777777777777777777780a",
    "a07fffffffffffffffffffffffff780a",
    "a07fffffffffffffffffffffffff780a",
    "a07ff000fffffffff00fffffffff780a",
    "a07f0fff0ff0ffffff0fffffffff780a",
    "a07f0fffff000f0f0f0fffffffff780a",
    "a07f0ffffff0ff00ff0fffffffff780a",
    "a07f0ffffff0ff0fff0fffffffff780a",
    "a07f0fff0ff0ff0fff0fffffffff780a",
    "a07ff000ffff0f0ff000ffffffff780a",
    "a07fffffffffffffffffffffffff780a",
    "a07fffffffffffffffffffffffff780a",
    "a07fffffffffffffffffffffffff780a",
    "a077777777777777777777777777780a",
    "a088888888888888888888888888880a",
    "a088888888888888888888888888880a",
    "a000000000000000000000000000000a",
    "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa",
};

// A gold medal on its ribbon.
constexpr Rows16 kResults16 = {
    "cc999ccccccfffcc",
    "cc999ccccccfffcc",
    "ccc999ccccfffccc",
    "ccc999ccccfffccc",
    "cccc999ccfffcccc",
    "cccc999ccfffcccc",
    "ccccc333333ccccc",
    "cccc33bbbb33cccc",
    "ccc33bb3bbb33ccc",
    "ccc3bb33bbbb3ccc",
    "ccc3bbb3bbbb3ccc",
    "ccc3bbb3bbbb3ccc",
    "ccc3bb333bbb3ccc",
    "ccc33bbbbbb33ccc",
    "cccc33bbbb33cccc",
    "ccccc333333ccccc",
};

// The larger medal carries a star.
constexpr Rows32 kResults32 = {
    "cccc999999ccccccccccccffffffcccc",
    "cccc999999ccccccccccccffffffcccc",
    "ccccc999999ccccccccccffffffccccc",
    "ccccc999999ccccccccccffffffccccc",
    "cccccc999999ccccccccffffffcccccc",
    "cccccc999999ccccccccffffffcccccc",
    "ccccccc999999ccccccffffffccccccc",
    "ccccccc999999ccccccffffffccccccc",
    "cccccccc999999ccccffffffcccccccc",
    "cccccccc999999ccccffffffcccccccc",
    "ccccccccc999999ccffffffccccccccc",
    "ccccccccc999999ccffffffccccccccc",
    "cccccccccc9933333333ffcccccccccc",
    "cccccccccc333bbbbbb333cccccccccc",
    "ccccccccc33bbbbbbbbbb33ccccccccc",
    "cccccccc33bbbbb33bbbbb33cccccccc",
    "ccccccc33bbb333bb333bbb33ccccccc",
    "ccccccc3bbb33bb9bbb33bbb3ccccccc",
    "cccccc33bb33bbb9bbbb33bb33cccccc",
    "cccccc3bbb3bbb999bbbb3bbb3cccccc",
    "cccccc3bbb3999999999b3bbb3cccccc",
    "cccccc3bb3bb9999999bbb3bb3cccccc",
    "cccccc3bb3bbb99999bbbb3bb3cccccc",
    "cccccc3bbb3bb99999bbb3bbb3cccccc",
    "cccccc3bbb3bb9bbb9bbb3bbb3cccccc",
    "cccccc33bb33bbbbbbbb33bb33cccccc",
    "ccccccc3bbb33bbbbbb33bbb3ccccccc",
    "ccccccc33bbb333bb333bbb33ccccccc",
    "cccccccc33bbbbb33bbbbb33cccccccc",
    "ccccccccc33bbbbbbbbbb33ccccccccc",
    "cccccccccc333bbbbbb333cccccccccc",
    "cccccccccccc33333333cccccccccccc",
};

// clang-format on

} // namespace

constinit const app::IconDesc layouts::kTitleIcon = {
    .small = {.size = 16, .rows = kTitle16},
    .large = {.size = 32, .rows = kTitle32},
};

constinit const app::IconDesc layouts::kKeyboardIcon = {
    .small = {.size = 16, .rows = kKeyboard16},
    .large = {.size = 32, .rows = kKeyboard32},
};

constinit const app::IconDesc layouts::kGameIcon = {
    .small = {.size = 16, .rows = kGame16},
    .large = {.size = 32, .rows = kGame32},
};

constinit const app::IconDesc layouts::kReadyIcon = {
    .small = {.size = 16, .rows = kReady16},
    .large = {.size = 32, .rows = kReady32},
};

constinit const app::IconDesc layouts::kResultsIcon = {
    .small = {.size = 16, .rows = kResults16},
    .large = {.size = 32, .rows = kResults32},
};
