#include "app/ControlNames.h"

#include "app/KeyNames.h"

#include <array>
#include <cctype>

namespace tavernrush {

std::string keyLabel(int code)
{
    std::string label(keyNameOf(code));
    for (char& c : label) {
        if (c == '_') {
            c = ' ';
        }
    }
    if (!label.empty()) {
        label[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(label[0])));
    }
    // "Kp add" reads better as "Keypad add".
    if (label.rfind("Kp ", 0) == 0) {
        label = "Keypad " + label.substr(3);
    }
    return label;
}

std::string padLabel(Action action)
{
    switch (action) {
    case Action::Forward: return "Stick up";
    case Action::Back: return "Stick down";
    case Action::Left: return "Stick left";
    case Action::Right: return "Stick right";
    case Action::Jump: return "A";
    case Action::Dismiss: return "B";
    case Action::Restart: return "Back";
    case Action::Pause: return "Start";
    default: return "";
    }
}

std::string actionLabel(Action action)
{
    static constexpr std::array labels = {
        "Walk forward", "Walk back", "Turn left",  "Turn right",  "Jump",  "Dismiss picture", "Restart",
        "Brighter",     "Darker",    "Plain wall", "Full screen", "Pause", "Mute",            "Screenshot",
        "Ghost",
    };
    static_assert(labels.size() == actionCount, "a label for every action");
    return labels[static_cast<std::size_t>(action)];
}

std::string boundLabel(const Controls& controls, Action action, bool withPad)
{
    std::string label = keyLabel(controls.keyFor(action));
    const std::string pad = padLabel(action);
    if (withPad && !pad.empty()) {
        label += " or " + pad;
    }
    return label;
}

} // namespace tavernrush
