#include "audio/AlDevice.h"

#include <AL/al.h>

#include <cstdio>
#include <utility>

namespace tavernrush {

namespace {

std::string alcErrorText(ALCdevice* device)
{
    const ALCenum error = alcGetError(device);
    char code[16];
    std::snprintf(code, sizeof code, "0x%04X", static_cast<unsigned>(error));
    const ALCchar* text = alcGetString(device, error);
    return std::string(text != nullptr ? text : "unknown error") + " (" + code + ")";
}

// A context on `device`, made current; closes the device when that fails.
ALCcontext* contextOn(ALCdevice* device, const ALCint* attributes, std::string& failure)
{
    ALCcontext* context = alcCreateContext(device, attributes);
    if (context == nullptr) {
        failure = "OpenAL could not create a context: " + alcErrorText(device);
        alcCloseDevice(device);
        return nullptr;
    }
    alcMakeContextCurrent(context);
    // Coins and unicorns fade with distance from the camera; at the
    // reference distance and nearer they play at full loudness.
    alDistanceModel(AL_INVERSE_DISTANCE_CLAMPED);
    return context;
}

} // namespace

AlDevice AlDevice::openOutput(const char* deviceName, std::string& failure)
{
    ALCdevice* device = alcOpenDevice(deviceName);
    if (device == nullptr) {
        failure = deviceName != nullptr ? "the audio device '" + std::string(deviceName) + "' could not be opened"
                                        : "no audio output device could be opened";
        return {};
    }
    ALCcontext* context = contextOn(device, nullptr, failure);
    return context != nullptr ? AlDevice(device, context, nullptr) : AlDevice();
}

AlDevice AlDevice::openLoopback(std::string& failure)
{
    if (alcIsExtensionPresent(nullptr, "ALC_SOFT_loopback") == ALC_FALSE) {
        failure = "this OpenAL has no loopback device (ALC_SOFT_loopback)";
        return {};
    }
    const auto open = reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
    const auto supported =
        reinterpret_cast<LPALCISRENDERFORMATSUPPORTEDSOFT>(alcGetProcAddress(nullptr, "alcIsRenderFormatSupportedSOFT"));
    const auto render = reinterpret_cast<LPALCRENDERSAMPLESSOFT>(alcGetProcAddress(nullptr, "alcRenderSamplesSOFT"));
    if (open == nullptr || supported == nullptr || render == nullptr) {
        failure = "this OpenAL lacks the loopback functions";
        return {};
    }
    ALCdevice* device = open(nullptr);
    if (device == nullptr) {
        failure = "OpenAL could not open a loopback device: " + alcErrorText(nullptr);
        return {};
    }
    if (supported(device, loopbackSampleRate, ALC_STEREO_SOFT, ALC_SHORT_SOFT) == ALC_FALSE) {
        failure = "the loopback device cannot mix 48 kHz 16-bit stereo";
        alcCloseDevice(device);
        return {};
    }
    // Plain stereo panning whatever the user's OpenAL configuration says, so
    // recordings and tests hear the same mix everywhere.
    const ALCint attributes[] = {ALC_FORMAT_CHANNELS_SOFT, ALC_STEREO_SOFT, ALC_FORMAT_TYPE_SOFT, ALC_SHORT_SOFT,
                                 ALC_FREQUENCY,            loopbackSampleRate, ALC_HRTF_SOFT,     ALC_FALSE,
                                 0};
    ALCcontext* context = contextOn(device, attributes, failure);
    return context != nullptr ? AlDevice(device, context, render) : AlDevice();
}

AlDevice::~AlDevice()
{
    close();
}

AlDevice::AlDevice(AlDevice&& other) noexcept
    : device_(std::exchange(other.device_, nullptr)), context_(std::exchange(other.context_, nullptr)),
      render_(std::exchange(other.render_, nullptr))
{
}

AlDevice& AlDevice::operator=(AlDevice&& other) noexcept
{
    if (this != &other) {
        close();
        device_ = std::exchange(other.device_, nullptr);
        context_ = std::exchange(other.context_, nullptr);
        render_ = std::exchange(other.render_, nullptr);
    }
    return *this;
}

void AlDevice::makeCurrent() const
{
    if (context_ != nullptr && alcGetCurrentContext() != context_) {
        alcMakeContextCurrent(context_);
    }
}

bool AlDevice::isConnected() const
{
    if (device_ == nullptr || render_ != nullptr || alcIsExtensionPresent(device_, "ALC_EXT_disconnect") == ALC_FALSE) {
        return device_ != nullptr;
    }
    ALCint connected = ALC_TRUE;
    alcGetIntegerv(device_, ALC_CONNECTED, 1, &connected);
    return connected != ALC_FALSE;
}

void AlDevice::render(std::int16_t* out, int frames) const
{
    if (render_ != nullptr && frames > 0) {
        render_(device_, out, frames);
    }
}

void AlDevice::close()
{
    if (context_ != nullptr) {
        if (alcGetCurrentContext() == context_) {
            alcMakeContextCurrent(nullptr);
        }
        alcDestroyContext(std::exchange(context_, nullptr));
    }
    if (device_ != nullptr) {
        alcCloseDevice(std::exchange(device_, nullptr));
    }
    render_ = nullptr;
}

} // namespace tavernrush
