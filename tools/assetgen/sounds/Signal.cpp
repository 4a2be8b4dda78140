// Mixing, levelling and loop closing for the synthesised sounds.
#include "sounds/Signal.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tavernrush::assetgen {

int sampleCount(double seconds)
{
    return static_cast<int>(std::lround(seconds * soundSampleRate));
}

float secondsAt(int sample)
{
    return static_cast<float>(sample) / soundSampleRate;
}

float decibelsToGain(float decibels)
{
    return std::pow(10.0f, decibels / 20.0f);
}

float gainToDecibels(float gain)
{
    return 20.0f * std::log10(std::max(gain, 1e-9f));
}

void mixInto(Signal& target, const Signal& source, long offset, float gain)
{
    const long size = static_cast<long>(target.size());
    for (std::size_t i = 0; i < source.size(); ++i) {
        const long at = offset + static_cast<long>(i);
        if (at >= 0 && at < size) {
            target[static_cast<std::size_t>(at)] += gain * source[i];
        }
    }
}

void mixWrapped(Signal& target, const Signal& source, long offset, float gain)
{
    const long size = static_cast<long>(target.size());
    for (std::size_t i = 0; i < source.size(); ++i) {
        const long at = ((offset + static_cast<long>(i)) % size + size) % size;
        target[static_cast<std::size_t>(at)] += gain * source[i];
    }
}

void mixPannedWrapped(StereoSignal& target, const Signal& source, long offset, float gain, float pan)
{
    const float angle = (std::clamp(pan, -1.0f, 1.0f) + 1.0f) * std::numbers::pi_v<float> / 4.0f;
    mixWrapped(target.left, source, offset, gain * std::cos(angle));
    mixWrapped(target.right, source, offset, gain * std::sin(angle));
}

float peakOf(const Signal& signal)
{
    float peak = 0.0f;
    for (float sample : signal) {
        peak = std::max(peak, std::abs(sample));
    }
    return peak;
}

float loudestWindowRms(const Signal& signal)
{
    const std::size_t window = std::min<std::size_t>(static_cast<std::size_t>(sampleCount(0.1)), signal.size());
    if (window == 0) {
        return 0.0f;
    }
    double sum = 0.0;
    for (std::size_t i = 0; i < window; ++i) {
        sum += double(signal[i]) * signal[i];
    }
    double loudest = sum;
    for (std::size_t i = window; i < signal.size(); ++i) {
        sum += double(signal[i]) * signal[i] - double(signal[i - window]) * signal[i - window];
        loudest = std::max(loudest, sum);
    }
    return static_cast<float>(std::sqrt(std::max(loudest, 0.0) / double(window)));
}

void levelEffect(Signal& signal, float rmsDecibels, float peakDecibels)
{
    const float rms = loudestWindowRms(signal);
    const float peak = peakOf(signal);
    if (rms <= 0.0f || peak <= 0.0f) {
        return;
    }
    const float gain = std::min(decibelsToGain(rmsDecibels) / rms, decibelsToGain(peakDecibels) / peak);
    for (float& sample : signal) {
        sample *= gain;
    }
}

void normalisePeak(StereoSignal& signal, float peakDecibels)
{
    const float peak = std::max(peakOf(signal.left), peakOf(signal.right));
    if (peak <= 0.0f) {
        return;
    }
    const float gain = decibelsToGain(peakDecibels) / peak;
    for (Signal* side : {&signal.left, &signal.right}) {
        for (float& sample : *side) {
            sample *= gain;
        }
    }
}

void fadeEnds(Signal& signal, double inSeconds, double outSeconds)
{
    const std::size_t fadeIn = std::min<std::size_t>(static_cast<std::size_t>(sampleCount(inSeconds)), signal.size());
    const std::size_t fadeOut = std::min<std::size_t>(static_cast<std::size_t>(sampleCount(outSeconds)), signal.size());
    for (std::size_t i = 0; i < fadeIn; ++i) {
        signal[i] *= static_cast<float>(i) / static_cast<float>(fadeIn);
    }
    for (std::size_t i = 0; i < fadeOut; ++i) {
        signal[signal.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(fadeOut);
    }
}

Signal finishedEffect(Signal signal)
{
    fadeEnds(signal, 0.001, 0.03);
    levelEffect(signal, -15.0f, -3.0f);
    return signal;
}

Signal closeLoop(const Signal& rendered, int loopLength)
{
    const int crossfade = static_cast<int>(rendered.size()) - loopLength;
    Signal loop(rendered.begin(), rendered.begin() + loopLength);
    for (int i = 0; i < crossfade; ++i) {
        const float angle = (static_cast<float>(i) + 0.5f) / static_cast<float>(crossfade) * std::numbers::pi_v<float> / 2.0f;
        loop[static_cast<std::size_t>(i)] = rendered[static_cast<std::size_t>(i)] * std::sin(angle)
                                            + rendered[static_cast<std::size_t>(loopLength + i)] * std::cos(angle);
    }
    return loop;
}

} // namespace tavernrush::assetgen
