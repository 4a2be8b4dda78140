#pragma once
// Filtered noise, the other half of the synthesis: deterministic white noise
// and the standard second-order filters (Robert Bristow-Johnson's audio EQ
// cookbook), retunable while they run for sweeps and wind.

#include <cstdint>

namespace tavernrush::assetgen {

// White noise in [-1, 1) from a fixed seed.
class WhiteNoise {
public:
    explicit WhiteNoise(std::uint32_t seed) : state_(seed) {}
    float next();

private:
    std::uint32_t state_;
};

class Biquad {
public:
    enum class Kind { LowPass, HighPass, BandPass };

    Biquad(Kind kind, float frequency, float q);
    // New corner or centre frequency and Q; the filter's memory is kept, so
    // a sweep glides instead of clicking.
    void tune(float frequency, float q);
    float process(float input);

private:
    Kind kind_;
    float b0_ = 1.0f, b1_ = 0.0f, b2_ = 0.0f, a1_ = 0.0f, a2_ = 0.0f;
    float x1_ = 0.0f, x2_ = 0.0f, y1_ = 0.0f, y2_ = 0.0f;
};

} // namespace tavernrush::assetgen
