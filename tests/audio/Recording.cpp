#include "audio/Recording.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tavernrush::testing {

namespace {

std::size_t frameAt(double seconds, std::size_t frames)
{
    return std::min(static_cast<std::size_t>(std::lround(std::max(seconds, 0.0) * 48000.0)), frames);
}

template <typename Visit>
void forEach(const std::vector<std::int16_t>& samples, double from, double to, int side, Visit visit)
{
    const std::size_t frames = samples.size() / 2;
    for (std::size_t frame = frameAt(from, frames); frame < frameAt(to, frames); ++frame) {
        for (int s = 0; s < 2; ++s) {
            if (side < 0 || side == s) {
                visit(samples[frame * 2 + static_cast<std::size_t>(s)]);
            }
        }
    }
}

} // namespace

void Recording::record(Audio& audio, double seconds)
{
    const auto frames = static_cast<int>(std::ceil(seconds * 48000.0 / frameSamples));
    for (int i = 0; i < frames; ++i) {
        const std::vector<std::int16_t> frame = audio.render(frameSamples);
        samples_.insert(samples_.end(), frame.begin(), frame.end());
    }
}

double Recording::seconds() const
{
    return static_cast<double>(samples_.size() / 2) / 48000.0;
}

int Recording::peak(double from, double to, int side) const
{
    int peak = 0;
    forEach(samples_, from, to, side, [&](std::int16_t v) { peak = std::max(peak, std::abs(int(v))); });
    return peak;
}

double Recording::rms(double from, double to, int side) const
{
    double power = 0.0;
    std::size_t count = 0;
    forEach(samples_, from, to, side, [&](std::int16_t v) {
        power += double(v) * v;
        ++count;
    });
    return count > 0 ? std::sqrt(power / double(count)) : 0.0;
}

std::vector<std::int16_t> Recording::slice(double from, double to) const
{
    const std::size_t frames = samples_.size() / 2;
    return {samples_.begin() + static_cast<long>(frameAt(from, frames) * 2),
            samples_.begin() + static_cast<long>(frameAt(to, frames) * 2)};
}

double differenceRms(const std::vector<std::int16_t>& a, const std::vector<std::int16_t>& b)
{
    double power = 0.0;
    const std::size_t count = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < count; ++i) {
        const double d = double(a[i]) - double(b[i]);
        power += d * d;
    }
    return count > 0 ? std::sqrt(power / double(count)) : 0.0;
}

} // namespace tavernrush::testing
