#pragma once
// What a loopback run of Audio sounded like, frame by frame as the game
// renders it, and the levels the tests judge it by.

#include "audio/Audio.h"

#include <cstdint>
#include <vector>

namespace tavernrush::testing {

// One frame of a 60 Hz game at 48 kHz.
inline constexpr int frameSamples = 800;

// OpenAL Soft dithers its 16-bit output by one step, so silence reads as
// values of at most 1; anything the game plays on purpose is hundreds of
// times louder.
inline constexpr int silentPeak = 2;
// RMS, in 16-bit steps, of "something can be heard": about -50 dBFS, far
// above the dither and far below the quietest cue at full settings.
inline constexpr double audibleRms = 100.0;

class Recording {
public:
    // Renders whole frames until `seconds` more have been recorded.
    void record(Audio& audio, double seconds);
    double seconds() const;

    // Over [from, to) seconds; `side` 0 is left, 1 right, -1 both.
    int peak(double from, double to, int side = -1) const;
    double rms(double from, double to, int side = -1) const;
    // The samples of [from, to), both sides interleaved.
    std::vector<std::int16_t> slice(double from, double to) const;

private:
    std::vector<std::int16_t> samples_;
};

// RMS of the difference of two slices of equal length.
double differenceRms(const std::vector<std::int16_t>& a, const std::vector<std::int16_t>& b);

} // namespace tavernrush::testing
