#pragma once
// Where the game's sound plays, as the sound sees it: how to open the output
// and whether an opened one is still there. The game's is the system's
// device through OpenAL; tests put in loopback devices that they lose and
// find again at will, so a vanishing headset is played through without one.

#include "audio/AlDevice.h"

#include <functional>
#include <string>

namespace tavernrush {

struct SoundOutput {
    // An open device, or a closed one with `failure` saying why.
    std::function<AlDevice(std::string& failure)> open;
    std::function<bool(const AlDevice&)> connected;
};

// The system's output device of that name, or its default for nullptr.
SoundOutput systemSoundOutput(const char* deviceName);

} // namespace tavernrush
