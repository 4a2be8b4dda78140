#include "app/SampledInput.h"

namespace tavernrush {

InputSnapshot snapshotOf(const InputSource& live)
{
    InputSnapshot snapshot;
    for (int i = 0; i < actionCount; ++i) {
        if (live.isKeyHeld(static_cast<Action>(i))) {
            snapshot.actions |= 1U << i;
        }
    }
    snapshot.mouse = (live.isButtonHeld(MouseButton::Left) ? 1U : 0U) | (live.isButtonHeld(MouseButton::Right) ? 2U : 0U);
    snapshot.cursor = live.cursorPosition();
    snapshot.pad = live.gamepad();
    snapshot.focused = live.hasFocus();
    return snapshot;
}

} // namespace tavernrush
