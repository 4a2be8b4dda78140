#pragma once
// A sound being synthesised: floating-point samples at the game's one sample
// rate, full scale at +-1. Effects are one Signal (mono, so OpenAL can place
// them); the loops are a StereoSignal.

#include <vector>

namespace tavernrush::assetgen {

inline constexpr int soundSampleRate = 48000;

using Signal = std::vector<float>;

struct StereoSignal {
    Signal left;
    Signal right;
};

int sampleCount(double seconds);
float secondsAt(int sample);
float decibelsToGain(float decibels);
float gainToDecibels(float gain);

// Adds `source` times `gain` into `target` from sample `offset` on. What runs
// past the end is cut off.
void mixInto(Signal& target, const Signal& source, long offset, float gain = 1.0f);
// The same into a loop: what runs past the end wraps round to the start, so
// a note ringing over the loop point is heard at the start of the next pass.
void mixWrapped(Signal& target, const Signal& source, long offset, float gain = 1.0f);
// Into both sides of a loop with constant-power panning, -1 left to +1 right.
void mixPannedWrapped(StereoSignal& target, const Signal& source, long offset, float gain, float pan);

float peakOf(const Signal& signal);
// RMS of the loudest 100 ms: what the ear judges a short effect by, where a
// whole-file RMS would count the quiet tail.
float loudestWindowRms(const Signal& signal);

// Scales the effect so its loudest 100 ms reach `rmsDecibels`, unless the
// peak would then pass `peakDecibels`. Effects levelled like this sound
// about equally loud whether they are a thud or a chime.
void levelEffect(Signal& signal, float rmsDecibels, float peakDecibels);
// Scales both sides together so the louder peak sits at `peakDecibels`.
void normalisePeak(StereoSignal& signal, float peakDecibels);

// A short fade at both ends, so an effect never starts or stops with a click.
void fadeEnds(Signal& signal, double inSeconds, double outSeconds);

// Every effect ends the same way: short fades at both ends, then levelled
// to the same short-term loudness (-15 dBFS over its loudest 100 ms) with the
// peak kept 3 dB under full scale, so the encoder's ringing cannot clip.
Signal finishedEffect(Signal signal);

// Turns `rendered` (a loop's length plus a tail of `crossfade` samples that
// continue the sound past the loop point) into a loop: the tail is
// cross-faded into the start with constant power, which suits noise whose two
// ends are unrelated.
Signal closeLoop(const Signal& rendered, int loopLength);

} // namespace tavernrush::assetgen
