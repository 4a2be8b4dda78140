#pragma once
// Every sound the generator can make, under the recipe name the asset table
// gives it, and its encoding.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "sounds/Signal.h"

namespace tavernrush::assetgen {

struct GeneratedSound {
    std::string recipe; // as the asset table names it, e.g. "coin chime"
    bool loop;        // the two loops are stereo, every effect mono
    std::function<std::vector<Signal>()> render; // one Signal per channel
};

const std::vector<GeneratedSound>& generatedSounds();

// Renders and encodes one sound into `file`.
void writeGeneratedSound(const std::filesystem::path& file, const GeneratedSound& sound);

} // namespace tavernrush::assetgen
