#pragma once
// Reading and writing sound files through libsndfile: the game's sounds are
// decoded here, and recordings of its mix are written here as WAV.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavernrush {

struct DecodedSound {
    int sampleRate = 0;
    int channels = 0;
    std::vector<std::int16_t> samples; // interleaved

    int frames() const { return channels > 0 ? static_cast<int>(samples.size()) / channels : 0; }
};

// The whole file, as 16-bit samples. Nothing, with `failure` saying why in a
// few words ("not a sound file", "has 6 channels"), for a file that is
// missing or damaged, holds no samples, has more than two channels or an
// unlikely sample rate, or would decode to more than ten minutes (a damaged
// header must not make us allocate gigabytes).
std::optional<DecodedSound> readSoundFile(const std::string& path, std::string& failure);

// The same checks on the file's header alone, without decoding: the quick
// test before a long file is decoded in the background.
bool soundFileOpens(const std::string& path, std::string& failure);

} // namespace tavernrush
