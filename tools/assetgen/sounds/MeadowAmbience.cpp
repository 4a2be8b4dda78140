// Wind is low-passed noise whose corner and loudness drift with slow swells;
// every swell's period divides the loop, so the drift lines up at the loop
// point and only the noise itself needs cross-fading. The two sides get
// their own noise for width. Birds are short whistled glides and trills,
// placed at fixed times and wrapped round the loop point.
#include "sounds/MeadowAmbience.h"

#include "sounds/Envelope.h"
#include "sounds/Filter.h"
#include "sounds/Oscillator.h"

#include <cmath>
#include <numbers>

namespace tavernrush::assetgen {

namespace {

float swell(float t, float period, float phase)
{
    return std::sin(2.0f * std::numbers::pi_v<float> * (t / period + phase));
}

Signal wind(std::uint32_t seed, float phase)
{
    const int loop = sampleCount(ambienceLoopSeconds);
    const int crossfade = sampleCount(0.5);
    // The filters settle before the first kept sample.
    const int settle = sampleCount(0.2);
    const auto period = static_cast<float>(ambienceLoopSeconds);
    WhiteNoise noise(seed);
    Biquad body(Biquad::Kind::LowPass, 500.0f, 0.9f);
    Biquad howl(Biquad::Kind::BandPass, 600.0f, 3.0f);
    Signal rendered(static_cast<std::size_t>(loop + crossfade));
    for (int i = -settle; i < loop + crossfade; ++i) {
        const float t = secondsAt(i);
        const float corner = 550.0f + 230.0f * swell(t, period, phase) + 110.0f * swell(t, period / 3.0f, 0.3f + phase);
        const float level = 0.6f + 0.25f * swell(t, period / 2.0f, 0.1f - phase) + 0.12f * swell(t, period / 5.0f, phase);
        body.tune(corner, 0.9f);
        howl.tune(corner * 1.3f, 3.0f);
        const float n = noise.next();
        const float sample = level * (body.process(n) + 0.25f * level * howl.process(n));
        if (i >= 0) {
            rendered[static_cast<std::size_t>(i)] = sample;
        }
    }
    return closeLoop(rendered, loop);
}

// A falling whistle, repeated: "tsee-tsee-tsee".
Signal whistleSong(int notes, float top)
{
    Signal song(static_cast<std::size_t>(sampleCount(0.13 * notes + 0.1)));
    for (int note = 0; note < notes; ++note) {
        const float start = 0.13f * note;
        Phase phase;
        for (int i = 0; i < sampleCount(0.08); ++i) {
            const float t = secondsAt(i);
            const float frequency = top * std::pow(0.72f, t / 0.08f);
            song[static_cast<std::size_t>(sampleCount(start) + i)] += bump(t, 0.0f, 0.08f) * sineAt(phase.advance(frequency));
        }
    }
    return song;
}

// A fast warble on one pitch: "trrrrr".
Signal trill(float seconds, float centre)
{
    Signal song(static_cast<std::size_t>(sampleCount(seconds)));
    Phase phase;
    Phase warble;
    for (std::size_t i = 0; i < song.size(); ++i) {
        const float t = secondsAt(static_cast<int>(i));
        const float w = sineAt(warble.advance(26.0));
        const float level = bump(t, 0.0f, seconds) * (0.6f + 0.4f * w);
        song[i] = level * sineAt(phase.advance(centre * (1.0f + 0.08f * w)));
    }
    return song;
}

// Two notes, the second lower and sliding up: "fee-bee".
Signal callSong(float high)
{
    Signal song(static_cast<std::size_t>(sampleCount(0.65)));
    Phase phase;
    for (std::size_t i = 0; i < song.size(); ++i) {
        const float t = secondsAt(static_cast<int>(i));
        const float frequency = t < 0.28f ? high : high * (0.8f + 0.05f * (t - 0.32f) / 0.3f);
        const float level = bump(t, 0.0f, 0.26f) + bump(t, 0.32f, 0.3f);
        song[i] = level * sineAt(phase.advance(frequency));
    }
    return song;
}

} // namespace

StereoSignal meadowAmbience()
{
    StereoSignal out{wind(101u, 0.0f), wind(102u, 0.13f)};
    // Placed by hand round the loop, left and right, near and far.
    struct Bird {
        float at;
        Signal song;
        float gain;
        float pan;
    };
    const Bird birds[] = {
        {1.1f, whistleSong(3, 4300.0f), 0.14f, -0.5f}, {3.4f, trill(0.55f, 3600.0f), 0.1f, 0.6f},
        {5.6f, callSong(3900.0f), 0.11f, -0.2f},       {7.9f, whistleSong(4, 4600.0f), 0.1f, 0.4f},
        {10.2f, trill(0.4f, 3300.0f), 0.11f, -0.65f},  {12.1f, callSong(3600.0f), 0.08f, 0.3f},
        {14.4f, whistleSong(2, 4100.0f), 0.13f, -0.1f}, {15.8f, trill(0.35f, 3800.0f), 0.07f, 0.7f},
    };
    for (const Bird& bird : birds) {
        mixPannedWrapped(out, bird.song, sampleCount(bird.at), bird.gain, bird.pan);
    }
    // A background, not a feature: well under the effects and the tune.
    normalisePeak(out, -9.0f);
    return out;
}

} // namespace tavernrush::assetgen
