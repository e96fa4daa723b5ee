#include "app/qt/Colors.h"

#include <QGuiApplication>
#include <QPalette>

namespace qtshell {

namespace {

constexpr app::Color kSystemColorBit = 0x80000000u;

// The system colours a program of this kind may name, by their index.
QPalette::ColorRole systemRole(app::Color index)
{
    switch (index) {
    case 0x05: return QPalette::Base;       // window background
    case 0x08: return QPalette::Text;       // window text
    case 0x12: return QPalette::ButtonText; // button text
    case 0x0F:                              // button face, the layouts' default
    default: return QPalette::Button;
    }
}

} // namespace

QColor toQColor(app::Color color)
{
    if (color & kSystemColorBit)
        return QGuiApplication::palette().color(systemRole(color & 0xFFu));
    const auto red = static_cast<int>(color & 0xFFu);
    const auto green = static_cast<int>((color >> 8) & 0xFFu);
    const auto blue = static_cast<int>((color >> 16) & 0xFFu);
    return QColor(red, green, blue);
}

} // namespace qtshell
