#include "replay/ScriptedInput.h"

#include <algorithm>

namespace tavernrush {

bool ScriptedInput::isKeyHeld(Key key) const
{
    return std::any_of(script_.keys.begin(), script_.keys.end(),
                       [&](const KeyHold& hold) { return hold.key == key && hold.frames.contains(frame_); });
}

bool ScriptedInput::isButtonHeld(MouseButton button) const
{
    return std::any_of(script_.buttons.begin(), script_.buttons.end(), [&](const ButtonHold& hold) {
        return hold.button == button && hold.frames.contains(frame_);
    });
}

glm::dvec2 ScriptedInput::cursorPosition() const
{
    glm::dvec2 position{0.0};
    long latestFrame = -1;
    for (const CursorPlacement& placement : script_.cursor) {
        if (placement.frames.first > frame_) {
            continue;
        }
        // The last frame of this line the replay has reached so far.
        const long reached = std::min(placement.frames.last, frame_);
        if (reached >= latestFrame) {
            latestFrame = reached;
            position = placement.position;
        }
    }
    return position;
}

} // namespace tavernrush
