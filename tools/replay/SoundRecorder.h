#pragma once
// Writes the game's mix frame by frame: frame N's sound starts at sample
// round(N x dt x 48000), whatever the wall clock did, so a recording lines
// up with the trace.

#include "audio/Audio.h"
#include "audio/WavWriter.h"

namespace tavernrush {

class SoundRecorder {
public:
    SoundRecorder(Audio& audio, WavWriter& wav, double dt) : audio_(audio), wav_(wav), dt_(dt) {}

    // The samples of `frame`, after its events were played.
    void recordFrame(long frame);

private:
    Audio& audio_;
    WavWriter& wav_;
    double dt_;
};

// The first sample of `frame` at the loopback rate.
long firstSampleOfFrame(long frame, double dt);

} // namespace tavernrush
