#include "support/PlayEvent.h"

#include "app/Application.h"
#include "layouts/KeyTable.h"
#include "layouts/Layouts.h"

#include <array>
#include <stdexcept>
#include <utility>

namespace testing_support {

namespace {

constexpr std::array<std::pair<std::int16_t, std::string_view>, 3> kMaskNames = {{
    {app::kShiftKey, "Shift"},
    {app::kCtrlKey, "Ctrl"},
    {app::kAltKey, "Alt"},
}};

const app::ScreenDesc& screenNamed(std::string_view name)
{
    for (const app::ScreenDesc* desc : layouts::kAllScreens)
        if (desc->name == name)
            return *desc;
    throw std::invalid_argument("no screen " + std::string(name));
}

int keyIndexOf(std::string_view caption)
{
    for (const auto& key : layouts::kKeys)
        if (key.caption == caption)
            return key.index;
    throw std::invalid_argument("no key " + std::string(caption));
}

int number(std::string_view text)
{
    if (text.empty())
        throw std::invalid_argument("number expected");
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9' || value > 10'000'000)
            throw std::invalid_argument("bad number " + std::string(text));
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

std::string toText(const PlayEvent& e)
{
    switch (e.action) {
    case PlayAction::Key: {
        std::string text = "key " + std::to_string(e.keyCode);
        const char* separator = " ";
        for (const auto& [bit, name] : kMaskNames) {
            if (e.shift & bit) {
                text += separator;
                text += name;
                separator = "+";
            }
        }
        return text;
    }
    case PlayAction::Click: {
        std::string text = "click " + std::string(e.screen) + "." + std::string(e.widget);
        if (e.index >= 0)
            text += "(" + std::to_string(e.index) + ")";
        return text;
    }
    case PlayAction::Activate:
        return "activate " + std::string(e.screen);
    case PlayAction::Close:
        return "close " + std::string(e.screen);
    case PlayAction::Wait:
        return "wait " + std::to_string(e.ms);
    case PlayAction::Draw:
        return "draw " + std::string(layouts::kKeys[static_cast<std::size_t>(e.keyIndex)].caption);
    case PlayAction::Wander:
        return "wander";
    }
    return "?";
}

PlayEvent parsePlayEvent(std::string_view text)
{
    if (text == "wander")
        return wanderEvent();
    const auto space = text.find(' ');
    if (space == std::string_view::npos)
        throw std::invalid_argument("no argument in " + std::string(text));
    const std::string_view verb = text.substr(0, space);
    std::string_view rest = text.substr(space + 1);

    if (verb == "key") {
        const auto maskAt = rest.find(' ');
        const int code = number(rest.substr(0, maskAt));
        int shift = 0;
        if (maskAt != std::string_view::npos) {
            std::string_view masks = rest.substr(maskAt + 1);
            while (!masks.empty()) {
                const auto plus = masks.find('+');
                const std::string_view name = masks.substr(0, plus);
                bool known = false;
                for (const auto& [bit, maskName] : kMaskNames) {
                    if (maskName == name) {
                        shift |= bit;
                        known = true;
                    }
                }
                if (!known)
                    throw std::invalid_argument("bad mask " + std::string(name));
                masks = plus == std::string_view::npos ? std::string_view{} : masks.substr(plus + 1);
            }
        }
        if (code > 255)
            throw std::invalid_argument("key code out of range");
        return keyEvent(code, shift);
    }
    if (verb == "click") {
        const auto dot = rest.find('.');
        if (dot == std::string_view::npos)
            throw std::invalid_argument("click needs Screen.widget");
        const app::ScreenDesc& screen = screenNamed(rest.substr(0, dot));
        std::string_view widget = rest.substr(dot + 1);
        int index = -1;
        if (const auto open = widget.find('('); open != std::string_view::npos) {
            if (widget.back() != ')')
                throw std::invalid_argument("bad index in " + std::string(text));
            index = number(widget.substr(open + 1, widget.size() - open - 2));
            widget = widget.substr(0, open);
        }
        for (const app::WidgetDesc& desc : screen.widgets)
            if (desc.name == widget && desc.index == index)
                return clickEvent(screen, desc);
        throw std::invalid_argument("no widget " + std::string(rest));
    }
    if (verb == "activate")
        return activateEvent(screenNamed(rest).name);
    if (verb == "close")
        return closeEvent(screenNamed(rest).name);
    if (verb == "wait")
        return waitEvent(number(rest));
    if (verb == "draw")
        return drawEvent(keyIndexOf(rest));
    throw std::invalid_argument("unknown event " + std::string(text));
}

} // namespace testing_support
