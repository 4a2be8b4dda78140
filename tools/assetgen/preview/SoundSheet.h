#pragma once
// The listening sheet: every generated sound read back as the game reads
// it, played one after another in one WAV file, and drawn as one labelled
// waveform row each, with its length, peak and RMS level.

#include "Image.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tavernrush::assetgen {

struct SoundReading {
    std::string name;                // e.g. "coin.ogg"
    int channels = 0;
    std::vector<float> samples;      // interleaved, full scale +-1, 48 kHz
    double seconds = 0.0;
    float peakDb = 0.0f;             // dBFS over every channel
    float rmsDb = 0.0f;              // dBFS over the whole file
};

// Every sound row of the asset table, in table order; throws naming a file that
// does not decode.
std::vector<SoundReading> readGeneratedSounds(const std::filesystem::path& assets);

// All sounds in a row, 0.6 s of silence between them, 48 kHz 16-bit stereo.
void writeListeningTrack(const std::filesystem::path& path, const std::vector<SoundReading>& sounds);

// One row per sound, each on its own time scale.
Image waveformSheet(const std::vector<SoundReading>& sounds);

} // namespace tavernrush::assetgen
