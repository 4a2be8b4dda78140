#pragma once
// The game's sound for each frame: a look at whether the sound device is
// still there, the music from the first frame on, the listener at the
// camera, pause, M, and the cue of every event.

#include "app/FrameLoop.h"
#include "audio/Audio.h"

namespace tavernrush {

class GameSound : public FrameListener {
public:
    explicit GameSound(Audio& audio) : audio_(audio) {}
    void frameShown(const FrameScene& scene) override;

private:
    Audio& audio_;
};

} // namespace tavernrush
