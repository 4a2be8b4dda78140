#pragma once
// The [audio] section of settings.ini: three loudness factors, each 0 to 1.

namespace tavernrush {

struct AudioSettings {
    float volume = 0.8f;  // master, over everything
    float music = 0.5f;   // the tune and the meadow ambience
    float effects = 1.0f; // every event's cue
};

} // namespace tavernrush
