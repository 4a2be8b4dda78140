#pragma once
// The keyboard and mouse as a replay script describes them, frame by frame.

#include "game/Input.h"
#include "replay/ReplayScript.h"

#include <utility>

namespace tavernrush {

class ScriptedInput : public InputSource {
public:
    explicit ScriptedInput(ReplayScript script) : script_(std::move(script)) {}

    // The frame whose input is read from now on.
    void setFrame(long frame) { frame_ = frame; }
    long frame() const { return frame_; }

    bool isKeyHeld(Key key) const override;
    bool isButtonHeld(MouseButton button) const override;
    // A real cursor stays where it was last moved: the position of the latest
    // frame at or before this one that a cursor line covers (a later line wins
    // within a frame), or (0, 0) before any.
    glm::dvec2 cursorPosition() const override;

    const ReplayScript& script() const { return script_; }

private:
    ReplayScript script_;
    long frame_ = 0;
};

} // namespace tavernrush
