#pragma once
// Every sound file of the asset tree and the synthesis that makes it.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "sounds/Signal.h"

namespace tavernrush::assetgen {

struct GeneratedSound {
    std::string file; // below assets/, e.g. "sounds/coin.ogg"
    bool loop;        // the two loops are stereo, every effect mono
    std::function<std::vector<Signal>()> render; // one Signal per channel
};

// Effects first, in the order the listening sheet plays them, then the loops.
const std::vector<GeneratedSound>& generatedSounds();

// Renders and encodes one sound into the assets directory.
void writeGeneratedSound(const std::filesystem::path& assets, const GeneratedSound& sound);

} // namespace tavernrush::assetgen
