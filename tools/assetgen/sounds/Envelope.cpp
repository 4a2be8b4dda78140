// Envelope shapes.
#include "sounds/Envelope.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tavernrush::assetgen {

float Adsr::at(float t, float held) const
{
    auto heldLevel = [this](float time) {
        if (time < attack) {
            return time / attack;
        }
        if (time < attack + decay) {
            return 1.0f - (1.0f - sustain) * (time - attack) / decay;
        }
        return sustain;
    };
    if (t < 0.0f) {
        return 0.0f;
    }
    if (t < held) {
        return heldLevel(t);
    }
    const float released = (t - held) / release;
    return released >= 1.0f ? 0.0f : heldLevel(held) * (1.0f - released);
}

float strike(float t, float attack, float decay)
{
    if (t < 0.0f) {
        return 0.0f;
    }
    if (t < attack) {
        return t / attack;
    }
    return std::exp(-(t - attack) / decay);
}

float bump(float t, float start, float length)
{
    const float u = (t - start) / length;
    if (u <= 0.0f || u >= 1.0f) {
        return 0.0f;
    }
    return 0.5f - 0.5f * std::cos(2.0f * std::numbers::pi_v<float> * u);
}

} // namespace tavernrush::assetgen
