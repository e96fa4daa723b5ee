#include "app/qt/KeyCodes.h"

#include "app/Application.h"

#include <array>

namespace qtshell {

namespace {

// X keycodes of the main-row digit keys: "1" to "9" are 10 to 18 and "0" is
// 19 on PC keyboards, Japanese ones included. With Shift held those keys
// arrive as symbols ("!" for 1), so the key is recognised by its position.
constexpr quint32 kFirstDigitScanCode = 10;
constexpr quint32 kLastDigitScanCode = 19;

struct NamedKey {
    int qtKey;
    std::int16_t code;
};

constexpr auto kNamedKeys = std::to_array<NamedKey>({
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},       {Qt::Key_Backtab, 9},   {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},    {Qt::Key_Shift, 16},    {Qt::Key_Control, 17},  {Qt::Key_Alt, 18},
    {Qt::Key_Pause, 19},    {Qt::Key_CapsLock, 20}, {Qt::Key_Escape, 27},   {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},   {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},      {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},     {Qt::Key_Up, 38},       {Qt::Key_Right, 39},    {Qt::Key_Down, 40},
    {Qt::Key_Insert, 45},   {Qt::Key_Delete, 46},
});

constexpr std::int16_t kKeypadZero = 96;
constexpr std::int16_t kF1 = 112;

std::int16_t code(int value)
{
    return static_cast<std::int16_t>(value);
}

} // namespace

std::int16_t keyCodeOf(const QKeyEvent& event)
{
    const int key = event.key();
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return keypad ? code(kKeypadZero + (key - Qt::Key_0)) : code(key);
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return code(key);
    const quint32 scan = event.nativeScanCode();
    if (!keypad && scan >= kFirstDigitScanCode && scan <= kLastDigitScanCode)
        return scan == kLastDigitScanCode ? code('0') : code('1' + static_cast<int>(scan - kFirstDigitScanCode));
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return code(kF1 + (key - Qt::Key_F1));
    for (const NamedKey& named : kNamedKeys) {
        if (named.qtKey == key)
            return named.code;
    }
    return 0;
}

std::int16_t shiftMaskOf(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const int key = event.key();
    int mask = 0;
    if (modifiers.testFlag(Qt::ShiftModifier) || key == Qt::Key_Shift || key == Qt::Key_Backtab)
        mask |= app::kShiftKey;
    if (modifiers.testFlag(Qt::ControlModifier) || key == Qt::Key_Control)
        mask |= app::kCtrlKey;
    if (modifiers.testFlag(Qt::AltModifier) || key == Qt::Key_Alt)
        mask |= app::kAltKey;
    return code(mask);
}

} // namespace qtshell
