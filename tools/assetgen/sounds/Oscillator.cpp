// Phase accumulation and the additive wavetable.
#include "sounds/Oscillator.h"

#include "sounds/Signal.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tavernrush::assetgen {

namespace {
// A power of two, so the wrap is a mask; large enough that linear
// interpolation stays far below the voices' own noise.
constexpr int tableSize = 4096;
} // namespace

double Phase::advance(double frequency)
{
    const double now = cycles_;
    cycles_ += frequency / soundSampleRate;
    cycles_ -= std::floor(cycles_);
    return now;
}

float sineAt(double cycles)
{
    return static_cast<float>(std::sin(2.0 * std::numbers::pi * cycles));
}

float midiFrequency(int note)
{
    return 440.0f * std::pow(2.0f, static_cast<float>(note - 69) / 12.0f);
}

Wavetable::Wavetable(const std::vector<float>& harmonics) : table_(tableSize + 1)
{
    for (int i = 0; i < tableSize; ++i) {
        double sum = 0.0;
        for (std::size_t n = 0; n < harmonics.size(); ++n) {
            sum += harmonics[n] * std::sin(2.0 * std::numbers::pi * double(n + 1) * i / tableSize);
        }
        table_[static_cast<std::size_t>(i)] = static_cast<float>(sum);
    }
    const float peak = *std::max_element(table_.begin(), table_.end(),
                                         [](float a, float b) { return std::abs(a) < std::abs(b); });
    for (float& sample : table_) {
        sample /= std::abs(peak);
    }
    table_[tableSize] = table_[0];
}

float Wavetable::at(double cycles) const
{
    const double position = (cycles - std::floor(cycles)) * tableSize;
    const int index = std::min(static_cast<int>(position), tableSize - 1);
    const float fraction = static_cast<float>(position - index);
    return table_[static_cast<std::size_t>(index)] * (1.0f - fraction)
           + table_[static_cast<std::size_t>(index) + 1] * fraction;
}

std::vector<float> Wavetable::sawHarmonics(int count)
{
    std::vector<float> harmonics;
    for (int n = 1; n <= count; ++n) {
        harmonics.push_back(1.0f / static_cast<float>(n));
    }
    return harmonics;
}

} // namespace tavernrush::assetgen
