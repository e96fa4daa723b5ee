#pragma once

// The static design data of a screen: what a load builds its window and
// widgets from. Lengths are twips, colours are &H values (blue-green-red, or
// a system colour when the top bit is set), intervals are milliseconds.
// Rows are read in creation order; the frame never changes them.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace app {

using Color = std::uint32_t;

inline constexpr Color kButtonFace = 0x8000000F;

enum class WidgetKind { Label, Button, Frame, Timer };
enum class Align { Left, Right, Center };
enum class Border { None, Single };

// What the title bar's close box does; the screens decide, the frame obeys.
enum class CloseBox { EndsProgram, HidesScreen, Absent };

// A font size of 0 means "no font of its own": the toolkit's default font.
inline constexpr double kDefaultFont = 0.0;

struct WidgetDesc {
    std::string_view name = {};
    WidgetKind kind = WidgetKind::Label;
    std::string_view container = {}; // empty: the screen's client area
    int index = -1;             // array element index, -1 for a single widget
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::string_view caption = {};
    Color backColor = kButtonFace;
    bool visible = true;
    bool enabled = true;
    Align align = Align::Left;
    Border border = Border::None;
    int tabIndex = 0;
    double fontSize = kDefaultFont;
    int intervalMs = 0; // timers only
};

// A 16-colour picture, one character a pixel ('0'-'9', 'a'-'f' index the
// standard 16-colour palette), rows top to bottom.
struct IconImage {
    int size = 0;
    std::span<const std::string_view> rows;
};

// The palette as 0xRRGGBB, in the order pixel characters index it.
inline constexpr std::array<std::uint32_t, 16> kIconPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

// The palette index a pixel character names ('0'-'9', 'a'-'f'), or -1.
constexpr int iconPaletteIndex(char pixel)
{
    if (pixel >= '0' && pixel <= '9')
        return pixel - '0';
    if (pixel >= 'a' && pixel <= 'f')
        return pixel - 'a' + 10;
    return -1;
}

struct IconDesc {
    IconImage small; // 16 x 16
    IconImage large; // 32 x 32
};

struct ScreenDesc {
    std::string_view name = {};
    std::string_view caption = {};
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    Color backColor = kButtonFace;
    bool keyPreview = false;
    CloseBox closeBox = CloseBox::EndsProgram;
    const IconDesc* icon = nullptr;
    std::span<const WidgetDesc> widgets;
};

} // namespace app
