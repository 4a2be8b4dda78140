// Each cue is a handful of partials, pitch glides and filtered noise bursts,
// shaped by strike envelopes.
#include "sounds/ActionSounds.h"

#include "sounds/Envelope.h"
#include "sounds/Filter.h"
#include "sounds/Oscillator.h"

#include <array>
#include <cmath>

namespace tavernrush::assetgen {

namespace {

// A struck bell: a few partials, the higher ones dying sooner, as in a real
// bar or bell; the slightly stretched fourth partial gives the metal.
void strikeBell(Signal& out, float start, float frequency, float gain)
{
    struct Partial {
        float ratio, amplitude, decay;
    };
    constexpr std::array<Partial, 5> partials{{
        {1.0f, 1.0f, 0.30f}, {2.0f, 0.45f, 0.18f}, {3.0f, 0.22f, 0.11f}, {4.16f, 0.12f, 0.07f}, {5.43f, 0.06f, 0.045f},
    }};
    const int first = sampleCount(start);
    for (int i = first; i < static_cast<int>(out.size()); ++i) {
        const float t = secondsAt(i - first);
        float sum = 0.0f;
        for (const Partial& p : partials) {
            sum += p.amplitude * strike(t, 0.002f, p.decay) * sineAt(frequency * p.ratio * t);
        }
        out[static_cast<std::size_t>(i)] += gain * sum;
    }
}

// One swallow: a resonance whose pitch rises quickly as the throat closes,
// the way a bubble's does as it shrinks, with a wet click at the start.
void swallow(Signal& out, float start, float pitch, std::uint32_t seed)
{
    WhiteNoise noise(seed);
    Biquad throat(Biquad::Kind::LowPass, 900.0f, 0.7f);
    Phase body;
    Phase overtone;
    const int first = sampleCount(start);
    const int length = sampleCount(0.16);
    for (int i = 0; i < length && first + i < static_cast<int>(out.size()); ++i) {
        const float t = secondsAt(i);
        const float frequency = pitch * (1.0f + 5.0f * t);
        const float tone = strike(t, 0.004f, 0.035f)
                           * (sineAt(body.advance(frequency)) + 0.3f * sineAt(overtone.advance(2.3f * frequency)));
        const float click = 0.5f * strike(t, 0.001f, 0.012f) * throat.process(noise.next());
        out[static_cast<std::size_t>(first + i)] += tone + click;
    }
}

// Tiny high bubbles bursting: the fizz under the swallows.
void fizz(Signal& out, std::uint32_t seed)
{
    WhiteNoise pick(seed);
    for (int bubble = 0; bubble < 40; ++bubble) {
        const float start = 0.5f * (pick.next() + 1.0f) * secondsAt(static_cast<int>(out.size()) - sampleCount(0.02));
        const float frequency = 2600.0f + 1400.0f * pick.next();
        const float gain = 0.04f + 0.03f * pick.next();
        const int first = sampleCount(start);
        for (int i = 0; i < sampleCount(0.015); ++i) {
            const float t = secondsAt(i);
            out[static_cast<std::size_t>(first + i)] += gain * strike(t, 0.0005f, 0.004f)
                                                        * sineAt(frequency * (1.0f + 8.0f * t) * t);
        }
    }
}

// A short knock on wood: a noise impulse ringing in the rung's resonances.
void knock(Signal& out, float start, float gain, std::uint32_t seed)
{
    WhiteNoise noise(seed);
    std::array<Biquad, 3> modes{Biquad(Biquad::Kind::BandPass, 740.0f, 14.0f),
                                Biquad(Biquad::Kind::BandPass, 1650.0f, 16.0f),
                                Biquad(Biquad::Kind::BandPass, 3100.0f, 10.0f)};
    constexpr std::array<float, 3> modeGains{1.0f, 0.6f, 0.3f};
    const int first = sampleCount(start);
    for (int i = first; i < static_cast<int>(out.size()); ++i) {
        const float t = secondsAt(i - first);
        const float excitation = t < 0.002f ? noise.next() : 0.0f;
        float sum = 0.0f;
        for (std::size_t m = 0; m < modes.size(); ++m) {
            sum += modeGains[m] * modes[m].process(excitation);
        }
        // The bare resonances ring too long for wood; damp them.
        out[static_cast<std::size_t>(i)] += gain * sum * strike(t, 0.0005f, 0.03f);
    }
}

} // namespace

Signal coinChime()
{
    Signal out(static_cast<std::size_t>(sampleCount(0.75)));
    strikeBell(out, 0.0f, 987.77f, 0.8f);   // B5
    strikeBell(out, 0.075f, 1318.51f, 1.0f); // E6
    return finishedEffect(std::move(out));
}

Signal beerGulp()
{
    Signal out(static_cast<std::size_t>(sampleCount(0.9)));
    swallow(out, 0.02f, 170.0f, 11u);
    swallow(out, 0.28f, 150.0f, 12u);
    swallow(out, 0.55f, 185.0f, 13u);
    fizz(out, 14u);
    return finishedEffect(std::move(out));
}

Signal jumpHop()
{
    Signal out(static_cast<std::size_t>(sampleCount(0.26)));
    WhiteNoise noise(21u);
    Biquad air(Biquad::Kind::BandPass, 2500.0f, 1.2f);
    Phase tone;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const float t = secondsAt(static_cast<int>(i));
        const float frequency = 260.0f * std::pow(2.7f, std::min(t / 0.16f, 1.0f));
        const double cycles = tone.advance(frequency);
        const float voice = sineAt(cycles) + 0.3f * sineAt(2.0 * cycles);
        out[i] = strike(t, 0.006f, 0.07f) * voice + 0.35f * strike(t, 0.002f, 0.02f) * air.process(noise.next());
    }
    return finishedEffect(std::move(out));
}

Signal landThud()
{
    Signal out(static_cast<std::size_t>(sampleCount(0.35)));
    WhiteNoise noise(31u);
    Biquad grass(Biquad::Kind::LowPass, 450.0f, 0.8f);
    Phase body;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const float t = secondsAt(static_cast<int>(i));
        const float frequency = 48.0f + 70.0f * std::exp(-t / 0.03f);
        // A touch of second harmonic lets small speakers show the thump.
        const double cycles = body.advance(frequency);
        const float thump = strike(t, 0.002f, 0.08f) * (sineAt(cycles) + 0.25f * sineAt(2.0 * cycles));
        out[i] = thump + 0.6f * strike(t, 0.001f, 0.03f) * grass.process(noise.next());
    }
    return finishedEffect(std::move(out));
}

Signal ladderClack()
{
    Signal out(static_cast<std::size_t>(sampleCount(0.3)));
    knock(out, 0.0f, 1.0f, 41u);
    knock(out, 0.07f, 0.55f, 42u);
    return finishedEffect(std::move(out));
}

Signal rewindWarble()
{
    Signal out(static_cast<std::size_t>(sampleCount(0.8)));
    const Wavetable saw(Wavetable::sawHarmonics(12));
    WhiteNoise noise(51u);
    Biquad whoosh(Biquad::Kind::BandPass, 800.0f, 1.5f);
    Biquad soften(Biquad::Kind::LowPass, 4500.0f, 0.7f);
    Phase tone;
    Phase stutter;
    const float length = secondsAt(static_cast<int>(out.size()));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const float t = secondsAt(static_cast<int>(i));
        const float progress = t / length;
        const float frequency = 180.0f * std::pow(8.0f, progress);
        // Gated faster and faster, like snatches of sound flying past the head.
        const float gate = 0.5f + 0.5f * sineAt(stutter.advance(14.0f + 30.0f * progress));
        whoosh.tune(800.0f * std::pow(5.0f, progress), 1.5f);
        const float level = std::min(t / 0.06f, 1.0f) * std::min((length - t) / 0.15f, 1.0f);
        out[i] = level * (0.7f * gate * soften.process(saw.at(tone.advance(frequency))) + 0.5f * whoosh.process(noise.next()));
    }
    return finishedEffect(std::move(out));
}

} // namespace tavernrush::assetgen
