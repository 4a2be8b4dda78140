#pragma once
// The OpenAL device and the one context the game's sound plays in. Either a
// real output (the sound card, mixed by OpenAL Soft's own thread) or a
// loopback device that mixes only when asked, for recordings and tests.

#include <AL/alc.h>
#include <AL/alext.h>

#include <cstdint>
#include <string>

namespace tavernrush {

inline constexpr int loopbackSampleRate = 48000;

class AlDevice {
public:
    AlDevice() = default;
    // The named output device, or the system's default for nullptr. Closed,
    // with `failure` saying why, when there is none or OpenAL fails.
    static AlDevice openOutput(const char* deviceName, std::string& failure);
    // A loopback device mixing 48 kHz 16-bit stereo (ALC_SOFT_loopback).
    static AlDevice openLoopback(std::string& failure);

    ~AlDevice();
    AlDevice(AlDevice&& other) noexcept;
    AlDevice& operator=(AlDevice&& other) noexcept;
    AlDevice(const AlDevice&) = delete;
    AlDevice& operator=(const AlDevice&) = delete;

    bool isOpen() const { return context_ != nullptr; }
    bool isLoopback() const { return render_ != nullptr; }
    // False once OpenAL has found the output gone (ALC_EXT_disconnect: an
    // unplugged headset, a stopped sound server); it then mixes nothing and
    // never comes back. A loopback device, or an OpenAL without the
    // extension, is always connected. Cheap enough for every frame.
    bool isConnected() const;

    // OpenAL calls act on the current context, which is global to the
    // process; every owner makes its own current before working.
    void makeCurrent() const;

    // Mixes the next `frames` stereo frames into `out` (2 x frames samples).
    // Loopback devices only.
    void render(std::int16_t* out, int frames) const;

private:
    AlDevice(ALCdevice* device, ALCcontext* context, LPALCRENDERSAMPLESSOFT render)
        : device_(device), context_(context), render_(render)
    {
    }
    void close();

    ALCdevice* device_ = nullptr;
    ALCcontext* context_ = nullptr;
    LPALCRENDERSAMPLESSOFT render_ = nullptr;
};

} // namespace tavernrush
