#pragma once
// The game's sound for each frame: the music from the first frame on, the
// listener at the camera, M, and the cue of every event.

#include "app/SceneSound.h"
#include "audio/Audio.h"

namespace tavernrush {

class GameSound : public SceneSound {
public:
    explicit GameSound(Audio& audio) : audio_(audio) {}
    void hear(const FrameScene& scene) override;

private:
    Audio& audio_;
};

} // namespace tavernrush
