#include "audio/SoundOutput.h"

#include <optional>

namespace tavernrush {

SoundOutput systemSoundOutput(const char* deviceName)
{
    const std::optional<std::string> name = deviceName != nullptr ? std::optional<std::string>(deviceName) : std::nullopt;
    return {[name](std::string& failure) { return AlDevice::openOutput(name ? name->c_str() : nullptr, failure); },
            [](const AlDevice& device) { return device.isConnected(); }};
}

} // namespace tavernrush
