// Source-filter voices: a buzzing harmonic source (the vocal folds) shaped by
// band-pass formants (the mouth), the classic way to make a vowel from a
// tone.
#include "sounds/VoiceSounds.h"

#include "sounds/Envelope.h"
#include "sounds/Filter.h"
#include "sounds/Oscillator.h"

#include <array>
#include <cmath>

namespace tavernrush::assetgen {

namespace {

// One "hic": the glottis snaps shut on a short rising "i" vowel.
void hic(Signal& out, float start, float pitch, std::uint32_t seed)
{
    const Wavetable folds(Wavetable::sawHarmonics(28));
    WhiteNoise noise(seed);
    Biquad low(Biquad::Kind::BandPass, 380.0f, 5.0f);
    Biquad high(Biquad::Kind::BandPass, 2250.0f, 8.0f);
    Biquad snap(Biquad::Kind::BandPass, 1500.0f, 2.0f);
    Phase phase;
    const int first = sampleCount(start);
    for (int i = 0; i < sampleCount(0.2); ++i) {
        const float t = secondsAt(i);
        const float frequency = pitch * (1.0f + 0.55f * std::min(t / 0.05f, 1.0f));
        const float source = folds.at(phase.advance(frequency));
        const float vowel = 1.6f * low.process(source) + 1.4f * high.process(source);
        const float level = strike(t, 0.004f, 0.045f);
        const float click = 0.8f * strike(t, 0.0005f, 0.004f) * snap.process(noise.next());
        out[static_cast<std::size_t>(first + i)] += level * vowel + click;
    }
}

} // namespace

Signal drunkHiccup()
{
    Signal out(static_cast<std::size_t>(sampleCount(0.95)));
    hic(out, 0.02f, 270.0f, 81u);
    hic(out, 0.6f, 225.0f, 82u);
    return finishedEffect(std::move(out));
}

Signal unicornWhinny()
{
    const float length = 1.55f;
    Signal out(static_cast<std::size_t>(sampleCount(length)));
    const Wavetable folds(Wavetable::sawHarmonics(14));
    WhiteNoise noise(91u);
    std::array<Biquad, 3> formants{Biquad(Biquad::Kind::BandPass, 800.0f, 4.0f),
                                   Biquad(Biquad::Kind::BandPass, 1600.0f, 6.0f),
                                   Biquad(Biquad::Kind::BandPass, 2800.0f, 8.0f)};
    Biquad breath(Biquad::Kind::BandPass, 2000.0f, 1.0f);
    Biquad snort(Biquad::Kind::LowPass, 700.0f, 0.8f);
    Phase phase;
    Phase shake;
    const float neighEnd = 1.2f;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const float t = secondsAt(static_cast<int>(i));
        // Up to a peak, then a long fall; the shake slows as it falls.
        const float contour = t < 0.15f ? 700.0f + 1700.0f * t : 420.0f + 530.0f * std::exp(-(t - 0.15f) / 0.35f);
        const float shakeRate = 12.0f - 5.0f * std::min(t / neighEnd, 1.0f);
        const float wobble = sineAt(shake.advance(shakeRate));
        const float source = folds.at(phase.advance(contour * (1.0f + 0.07f * wobble)));
        // Mouth opening from "ee" towards "ah" as the neigh falls.
        const float open = std::min(t / neighEnd, 1.0f);
        formants[0].tune(500.0f + 350.0f * open, 4.0f);
        formants[1].tune(2000.0f - 750.0f * open, 6.0f);
        const float vowel = formants[0].process(source) + 0.8f * formants[1].process(source)
                            + 0.4f * formants[2].process(source);
        const float pulses = 0.55f + 0.45f * wobble;
        const float neighLevel = std::min(t / 0.03f, 1.0f) * std::min(std::max(neighEnd - t, 0.0f) / 0.25f, 1.0f);
        const float n = noise.next();
        const float snortLevel = bump(t, neighEnd + 0.05f, 0.28f);
        out[i] = neighLevel * pulses * (2.2f * vowel + 0.15f * breath.process(n)) + 1.2f * snortLevel * snort.process(n);
    }
    return finishedEffect(std::move(out));
}

} // namespace tavernrush::assetgen
