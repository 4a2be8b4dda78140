#pragma once
// Tone sources: a phase that follows a changing pitch, and one cycle of an
// additive waveform in a table, so a voice built from a dozen harmonics costs
// one lookup per sample however many notes it plays.

#include <vector>

namespace tavernrush::assetgen {

// Phase in cycles. Advancing by the current frequency each sample keeps a
// glide or vibrato free of jumps.
class Phase {
public:
    explicit Phase(double start = 0.0) : cycles_(start) {}
    // Returns the phase before the step.
    double advance(double frequency);

private:
    double cycles_;
};

float sineAt(double cycles);
// Equal-tempered pitch of a MIDI note number (69 = A4 = 440 Hz).
float midiFrequency(int note);

class Wavetable {
public:
    // harmonics[n] is the amplitude of harmonic n + 1, all in sine phase.
    // The table is scaled to a peak of 1.
    explicit Wavetable(const std::vector<float>& harmonics);
    float at(double cycles) const;

    // A sawtooth-like spectrum (1/n) with `count` harmonics: the bright,
    // buzzing source the voices filter down.
    static std::vector<float> sawHarmonics(int count);

private:
    std::vector<float> table_;
};

} // namespace tavernrush::assetgen
