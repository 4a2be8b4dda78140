#include "app/Controls.h"

#include "app/ConsoleText.h"
#include "app/KeyNames.h"

#include <GLFW/glfw3.h>
#include <ini.h>

#include <algorithm>
#include <cctype>
#include <optional>
#include <ostream>
#include <string>

namespace tavernrush {
namespace {

std::string lowerCase(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

struct ControlsReading {
    std::ostream& log;
    Controls controls;
    // Set for actions the file moved off their default key.
    std::array<bool, actionCount> moved{};
    std::array<bool, actionCount> seen{};
};

std::string defaultKeyText(Action action)
{
    return "'" + std::string(keyNameOf(Controls::defaultKeys()[static_cast<std::size_t>(action)])) + "'";
}

void readEntry(ControlsReading& reading, const std::string& name, const std::string& value)
{
    const std::optional<Action> action = actionNamed(name);
    const std::string setting = "Setting '" + printable(name) + "' = '" + printable(value) + "' in [controls]";
    if (!action) {
        reading.log << "ERROR: " << setting << " names no action of the game. It is left out.\n";
        return;
    }
    const auto index = static_cast<std::size_t>(*action);
    if (reading.seen[index]) {
        reading.log << "ERROR: " << setting << " repeats the action. The first entry counts.\n";
        return;
    }
    reading.seen[index] = true;
    const std::optional<int> code = keyCodeNamed(value);
    if (!code) {
        const std::string why = lowerCase(value) == "escape" ? " binds Escape, which always quits."
                                                              : " is not a key name.";
        reading.log << "ERROR: " << setting << why << " Using default key " << defaultKeyText(*action)
                    << " instead.\n";
        return;
    }
    reading.controls.keys[index] = *code;
    reading.moved[index] = *code != Controls::defaultKeys()[index];
}

int onEntry(void* user, const char* section, const char* name, const char* value)
{
    auto& reading = *static_cast<ControlsReading*>(user);
    if (lowerCase(section) == "controls") {
        readEntry(reading, lowerCase(name), value);
    }
    return 1;
}

// Gives every key that two actions want to one of them: an action that has
// it by default keeps it (it cannot move away), else the first in order.
// Each loser goes back to its default key, which may in turn be wanted by an
// action moved onto it, so this repeats; every round sends one more action
// home, so it ends.
void settleClashes(ControlsReading& reading)
{
    for (bool clashed = true; clashed;) {
        clashed = false;
        for (std::size_t a = 0; a < actionCount && !clashed; ++a) {
            for (std::size_t b = a + 1; b < actionCount && !clashed; ++b) {
                const int key = reading.controls.keys[a];
                if (key != reading.controls.keys[b]) {
                    continue;
                }
                // The line names the action that ends up with the key: the
                // one that has it by default, else the first that asks.
                std::size_t keeper = a;
                for (std::size_t i = 0; i < actionCount; ++i) {
                    if (reading.controls.keys[i] == key && !reading.moved[i]) {
                        keeper = i;
                        break;
                    }
                }
                const std::size_t loser = keeper == a ? b : a;
                const auto action = static_cast<Action>(loser);
                reading.log << "ERROR: Setting '" << actionName(action) << "' = '"
                            << keyNameOf(reading.controls.keys[loser]) << "' in [controls] takes the key of '"
                            << actionName(static_cast<Action>(keeper)) << "'. Using default key "
                            << defaultKeyText(action) << " instead.\n";
                reading.controls.keys[loser] = Controls::defaultKeys()[loser];
                reading.moved[loser] = false;
                clashed = true;
            }
        }
    }
}

} // namespace

std::array<int, actionCount> Controls::defaultKeys()
{
    return {GLFW_KEY_UP, GLFW_KEY_DOWN, GLFW_KEY_LEFT,  GLFW_KEY_RIGHT, GLFW_KEY_SPACE, GLFW_KEY_F, GLFW_KEY_C,
            GLFW_KEY_H,  GLFW_KEY_D,    GLFW_KEY_N,     GLFW_KEY_F10,   GLFW_KEY_P,     GLFW_KEY_M, GLFW_KEY_F12,
            GLFW_KEY_G};
}

Controls readControls(std::string_view settingsText, std::ostream& log)
{
    ControlsReading reading{log, Controls{}, {}, {}};
    // The parser reads up to the first NUL, like every C string.
    const std::string text(settingsText);
    ini_parse_string(text.c_str(), onEntry, &reading);
    settleClashes(reading);
    return reading.controls;
}

} // namespace tavernrush
