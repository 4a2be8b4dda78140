// The voices of the tune; additive tables for the reeds and the bass, FM for
// the pluck, high-passed noise for the brush.
#include "sounds/TuneVoices.h"

#include "sounds/Envelope.h"
#include "sounds/Filter.h"
#include "sounds/Oscillator.h"

#include <cmath>

namespace tavernrush::assetgen {

namespace {

// A free reed: strong odd harmonics, softer even ones, up to the 16th.
std::vector<float> reedHarmonics()
{
    std::vector<float> harmonics;
    for (int n = 1; n <= 16; ++n) {
        harmonics.push_back((n % 2 == 1 ? 1.0f : 0.6f) / std::pow(static_cast<float>(n), 0.9f));
    }
    return harmonics;
}

} // namespace

Signal accordionNote(float frequency, float heldSeconds)
{
    static const Wavetable reed(reedHarmonics());
    const Adsr bellows{0.02f, 0.06f, 0.85f, 0.06f};
    Signal note(static_cast<std::size_t>(sampleCount(bellows.length(heldSeconds))));
    Phase flat;
    Phase sharp(0.37);
    Biquad soften(Biquad::Kind::LowPass, 5200.0f, 0.7f);
    for (std::size_t i = 0; i < note.size(); ++i) {
        const float t = secondsAt(static_cast<int>(i));
        const float reeds = reed.at(flat.advance(frequency * 0.9975)) + reed.at(sharp.advance(frequency * 1.0025));
        note[i] = 0.5f * bellows.at(t, heldSeconds) * soften.process(reeds);
    }
    return note;
}

Signal bassNote(float frequency, float heldSeconds)
{
    static const Wavetable tuba({1.0f, 0.55f, 0.3f, 0.16f, 0.08f, 0.04f});
    const Adsr lips{0.012f, 0.12f, 0.55f, 0.07f};
    Signal note(static_cast<std::size_t>(sampleCount(lips.length(heldSeconds))));
    Phase phase;
    for (std::size_t i = 0; i < note.size(); ++i) {
        const float t = secondsAt(static_cast<int>(i));
        note[i] = lips.at(t, heldSeconds) * tuba.at(phase.advance(frequency));
    }
    return note;
}

Signal pluckNote(float frequency)
{
    Signal note(static_cast<std::size_t>(sampleCount(0.35)));
    Phase carrier;
    Phase modulator;
    for (std::size_t i = 0; i < note.size(); ++i) {
        const float t = secondsAt(static_cast<int>(i));
        const float index = 0.25f + 2.2f * std::exp(-t / 0.04f);
        const float phaseShift = index / 6.2831853f * sineAt(modulator.advance(frequency));
        note[i] = strike(t, 0.002f, 0.09f) * sineAt(carrier.advance(frequency) + phaseShift);
    }
    return note;
}

Signal brush(std::uint32_t seed)
{
    Signal hit(static_cast<std::size_t>(sampleCount(0.08)));
    WhiteNoise noise(seed);
    Biquad air(Biquad::Kind::HighPass, 6500.0f, 0.7f);
    for (std::size_t i = 0; i < hit.size(); ++i) {
        hit[i] = strike(secondsAt(static_cast<int>(i)), 0.001f, 0.016f) * air.process(noise.next());
    }
    return hit;
}

} // namespace tavernrush::assetgen
