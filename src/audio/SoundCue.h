#pragma once
// Which sound each frame event plays, and whether it comes from where the
// event happened or plays at the listener.

#include "game/AssetId.h"
#include "game/FrameEvent.h"

#include <optional>

namespace tavernrush {

struct SoundCue {
    AssetId sound; // a sound row of the asset table
    bool positional; // at the event's place in the world
};

// Nothing for events that make no sound of their own: winning and time
// running out are heard through their pictures, full screen is silent.
std::optional<SoundCue> cueFor(FrameEventKind kind);

} // namespace tavernrush
