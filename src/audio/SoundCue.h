#pragma once
// Which sound each frame event plays, and whether it comes from where the
// event happened or plays at the listener.

#include "game/FrameEvent.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace tavernrush {

enum class Sound {
    Coin,
    Beer,
    Jump,
    Land,
    Ladder,
    Hiccup,
    Whinny,
    Toilet,
    Fanfare,
    Buzzer,
    Rewind,
    Ambience,
    Tune,
};
inline constexpr std::size_t soundCount = static_cast<std::size_t>(Sound::Tune) + 1;

// The file below the sound folder, e.g. "coin.ogg".
std::string_view soundFileName(Sound sound);

struct SoundCue {
    Sound sound;
    bool positional; // at the event's place in the world
};

// Nothing for events that make no sound of their own: winning and time
// running out are heard through their pictures, full screen is silent.
std::optional<SoundCue> cueFor(FrameEventKind kind);

} // namespace tavernrush
