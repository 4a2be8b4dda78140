#pragma once
// What happened in one frame, in the order it happened. Sound, the trace and
// the player comforts react to these; the rules only record them.

#include <glm/glm.hpp>

#include <string_view>

namespace tavernrush {

enum class FrameEventKind {
    CoinCollected,
    BeerDrunk,
    JumpStarted,
    Landed,
    LadderBoarded,
    // A full-screen picture shown in this frame that was not shown in the last.
    PictureWon,
    PictureTimeUp,
    PictureDrunk,
    PictureUnicorn,
    PictureToilet,
    Restart,
    Won,
    TimeUp,
    FullscreenToggled,
};

struct FrameEvent {
    FrameEventKind kind;
    // Where it happened in the world: the coin or beer taken, the unicorn in
    // reach, the toilet hut; the player's position for the rest.
    glm::vec3 where{0.0f};

    bool operator==(const FrameEvent&) const = default;
};

// The event's name in traces and scripts: "coin", "beer", "jump", "land",
// "ladder", "picture:won", "picture:timeup", "picture:drunk",
// "picture:unicorn", "picture:toilet", "restart", "win", "timeup",
// "fullscreen".
std::string_view frameEventName(FrameEventKind kind);

} // namespace tavernrush
