#pragma once
// The frame's rules run frame by frame over held keys set by the test and a
// clock that steps by a fixed amount, the way the frame loop runs them.

#include "game/FrameRules.h"
#include "game/UnicornHerd.h"
#include "support/MeadowLevel.h"

#include <set>
#include <string>
#include <vector>

namespace tavernrush::testing {

class FakeInput : public InputSource {
public:
    bool isKeyHeld(Action action) const override { return keys.count(action) != 0; }
    bool isButtonHeld(MouseButton button) const override { return buttons.count(button) != 0; }
    glm::dvec2 cursorPosition() const override { return cursor; }
    GamepadState gamepad() const override { return pad; }
    bool hasFocus() const override { return focused; }

    std::set<Action> keys;
    std::set<MouseButton> buttons;
    glm::dvec2 cursor{0.0};
    GamepadState pad;
    bool focused = true;
};

struct RulesRig {
    // No unicorns unless the test places them.
    explicit RulesRig(double frameSeconds = 1.0 / 60.0, float aspect = 1.0f, std::vector<glm::vec3> unicorns = {},
                      const LevelDescription& level = meadow())
        : rules(aspect, level, std::move(unicorns)), step(frameSeconds)
    {
        rules.startClock(0.0);
    }

    // Runs `count` frames; the first frame of a rig runs with deltaTime 0.
    void frames(int count)
    {
        for (int i = 0; i < count; ++i) {
            rules.beginFrame(input);
            rules.finishFrame(input);
            time += step;
            rules.takeFrameTime(time);
        }
    }

    GameState& state() { return rules.state(); }
    PlayerState& player() { return rules.state().player; }
    CameraState& camera() { return rules.camera(); }
    CoinField& coins() { return rules.coinField(); }
    BeerField& beers() { return rules.beerField(); }
    const FrameScene& scene() const { return rules.scene(); }

    std::vector<std::string> pictures() const
    {
        std::vector<std::string> names;
        for (const ShownPicture& shown : rules.scene().pictures) {
            names.emplace_back(pictureBoardName(shown.picture));
        }
        return names;
    }

    std::vector<std::string> events() const
    {
        std::vector<std::string> names;
        for (const FrameEvent& event : rules.scene().events) {
            names.emplace_back(frameEventName(event.kind));
        }
        return names;
    }

    FakeInput input;
    FrameRules rules;
    double step;
    double time = 0.0;
};

} // namespace tavernrush::testing
