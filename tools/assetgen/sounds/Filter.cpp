// Noise and biquad filters.
#include "sounds/Filter.h"

#include "sounds/Signal.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tavernrush::assetgen {

float WhiteNoise::next()
{
    // The same permuted congruential step as the pictures' Sequence.
    state_ = state_ * 747796405u + 2891336453u;
    std::uint32_t word = ((state_ >> ((state_ >> 28u) + 4u)) ^ state_) * 277803737u;
    word = (word >> 22u) ^ word;
    return static_cast<float>(word >> 8) * (2.0f / 16777216.0f) - 1.0f;
}

Biquad::Biquad(Kind kind, float frequency, float q) : kind_(kind)
{
    tune(frequency, q);
}

void Biquad::tune(float frequency, float q)
{
    // Kept below Nyquist so a sweep that overshoots stays stable.
    const float clamped = std::clamp(frequency, 10.0f, 0.45f * soundSampleRate);
    const float w0 = 2.0f * std::numbers::pi_v<float> * clamped / soundSampleRate;
    const float alpha = std::sin(w0) / (2.0f * q);
    const float cosW0 = std::cos(w0);
    const float a0 = 1.0f + alpha;
    switch (kind_) {
    case Kind::LowPass:
        b0_ = (1.0f - cosW0) / 2.0f;
        b1_ = 1.0f - cosW0;
        b2_ = b0_;
        break;
    case Kind::HighPass:
        b0_ = (1.0f + cosW0) / 2.0f;
        b1_ = -(1.0f + cosW0);
        b2_ = b0_;
        break;
    case Kind::BandPass: // 0 dB at the centre
        b0_ = alpha;
        b1_ = 0.0f;
        b2_ = -alpha;
        break;
    }
    b0_ /= a0;
    b1_ /= a0;
    b2_ /= a0;
    a1_ = -2.0f * cosW0 / a0;
    a2_ = (1.0f - alpha) / a0;
}

float Biquad::process(float input)
{
    const float output = b0_ * input + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = input;
    y2_ = y1_;
    y1_ = output;
    return output;
}

} // namespace tavernrush::assetgen
