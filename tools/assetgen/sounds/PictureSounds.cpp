// Brass from two-operator FM (the index follows the loudness, as a player's
// lips make a louder note brighter), the buzzer from detuned saw tones, the
// door from stick-slip pulses ringing in wood, the flush from swept noise.
#include "sounds/PictureSounds.h"

#include "sounds/Envelope.h"
#include "sounds/Filter.h"
#include "sounds/Oscillator.h"

#include <array>
#include <cmath>

namespace tavernrush::assetgen {

namespace {

// One brass note: carrier and modulator at the same frequency; a vibrato
// comes in on long notes.
void brassNote(Signal& out, float start, float held, float frequency, float gain)
{
    const Adsr shape{0.03f, 0.08f, 0.8f, 0.15f};
    Phase carrier;
    Phase modulator;
    Phase vibrato;
    const int first = sampleCount(start);
    const int length = sampleCount(shape.length(held));
    for (int i = 0; i < length && first + i < static_cast<int>(out.size()); ++i) {
        const float t = secondsAt(i);
        const float level = shape.at(t, held);
        const float wobble = 1.0f + 0.006f * std::min(std::max(t - 0.25f, 0.0f) / 0.2f, 1.0f)
                                        * sineAt(vibrato.advance(5.5));
        const float f = frequency * wobble;
        const float index = 0.5f + 2.6f * level;
        const float sample = sineAt(carrier.advance(f) + index / (2.0f * 3.14159265f) * sineAt(modulator.advance(f)));
        out[static_cast<std::size_t>(first + i)] += gain * level * sample;
    }
}

// Pulses from a hinge that sticks and slips, each ringing in the door's
// resonances; the pulses come faster as the door swings.
void doorCreak(Signal& out, float start, float length)
{
    WhiteNoise jitter(61u);
    std::array<Biquad, 3> wood{Biquad(Biquad::Kind::BandPass, 620.0f, 12.0f),
                               Biquad(Biquad::Kind::BandPass, 1380.0f, 15.0f),
                               Biquad(Biquad::Kind::BandPass, 2900.0f, 18.0f)};
    constexpr std::array<float, 3> woodGains{1.0f, 0.8f, 0.4f};
    const int first = sampleCount(start);
    double nextPulse = 0.0;
    for (int i = 0; i < sampleCount(length); ++i) {
        const float t = secondsAt(i);
        const float progress = t / length;
        float pulse = 0.0f;
        if (i >= nextPulse) {
            pulse = 1.0f + 0.3f * jitter.next();
            const float rate = 60.0f + 90.0f * progress + 25.0f * std::sin(9.0f * t);
            nextPulse += soundSampleRate / rate * (1.0f + 0.08f * jitter.next());
        }
        float sum = 0.0f;
        for (std::size_t m = 0; m < wood.size(); ++m) {
            sum += woodGains[m] * wood[m].process(pulse);
        }
        const float level = std::min(progress / 0.1f, 1.0f) * std::min((1.0f - progress) / 0.2f, 1.0f);
        out[static_cast<std::size_t>(first + i)] += 15.0f * level * sum;
    }
}

void flushRush(Signal& out, float start)
{
    WhiteNoise noise(71u);
    WhiteNoise bubbles(72u);
    Biquad rush(Biquad::Kind::BandPass, 500.0f, 0.8f);
    Biquad rumble(Biquad::Kind::LowPass, 250.0f, 0.7f);
    const int first = sampleCount(start);
    const int length = static_cast<int>(out.size()) - first;
    for (int i = 0; i < length; ++i) {
        const float t = secondsAt(i);
        // The water comes in with a rush, then drains slowly and quietens.
        const float centre = t < 0.4f ? 500.0f + 2200.0f * t : 1380.0f - 300.0f * std::min(t - 0.4f, 2.0f);
        rush.tune(centre, 0.8f);
        const float level = std::min(t / 0.15f, 1.0f) * (t < 0.9f ? 1.0f : std::exp(-(t - 0.9f) / 0.5f));
        const float n = noise.next();
        out[static_cast<std::size_t>(first + i)] += level * (0.9f * rush.process(n) + 0.8f * rumble.process(n));
    }
    // Gurgles as the bowl empties: bubbles rising in pitch.
    float at = 0.9f;
    while (at < 2.3f) {
        const float pitch = 260.0f + 220.0f * (bubbles.next() + 1.0f) * 0.5f;
        const float gain = 0.35f * std::exp(-(at - 0.9f) / 0.8f);
        const int begin = first + sampleCount(at);
        for (int i = 0; i < sampleCount(0.06) && begin + i < static_cast<int>(out.size()); ++i) {
            const float t = secondsAt(i);
            out[static_cast<std::size_t>(begin + i)] += gain * strike(t, 0.003f, 0.018f) * sineAt(pitch * (1.0f + 4.0f * t) * t);
        }
        at += 0.05f + 0.05f * (bubbles.next() + 1.0f);
    }
}

} // namespace

Signal winFanfare()
{
    Signal out(static_cast<std::size_t>(sampleCount(1.9)));
    const float pickup = 0.11f;
    for (int i = 0; i < 3; ++i) {
        brassNote(out, pickup * i, 0.07f, midiFrequency(67), 0.8f); // G4
    }
    const float chord = 3 * pickup;
    const float held = 1.15f;
    // C major: the melody on top, the rest of the section under it, each a
    // hair apart in tuning so they sound like players, not one oscillator.
    brassNote(out, chord, held, midiFrequency(72) * 1.000f, 0.9f); // C5
    brassNote(out, chord, held, midiFrequency(76) * 0.998f, 0.5f); // E5
    brassNote(out, chord, held, midiFrequency(79) * 1.002f, 0.5f); // G5
    brassNote(out, chord, held, midiFrequency(60) * 1.001f, 0.5f); // C4
    return finishedEffect(std::move(out));
}

Signal timeUpBuzzer()
{
    Signal out(static_cast<std::size_t>(sampleCount(1.15)));
    const Wavetable saw(Wavetable::sawHarmonics(36));
    Biquad tone(Biquad::Kind::LowPass, 1600.0f, 0.9f);
    Phase low;
    Phase high;
    const Adsr blare{0.012f, 0.05f, 0.85f, 0.05f};
    for (std::size_t i = 0; i < out.size(); ++i) {
        const float t = secondsAt(static_cast<int>(i));
        const float level = blare.at(t, 0.22f) + blare.at(t - 0.34f, 0.7f);
        const float sample = saw.at(low.advance(110.0)) + saw.at(high.advance(116.54));
        out[i] = level * tone.process(0.5f * sample);
    }
    return finishedEffect(std::move(out));
}

Signal toiletFlush()
{
    Signal out(static_cast<std::size_t>(sampleCount(3.0)));
    doorCreak(out, 0.0f, 0.75f);
    flushRush(out, 0.7f);
    return finishedEffect(std::move(out));
}

} // namespace tavernrush::assetgen
