#pragma once
// Writes sounds as Ogg Vorbis through the reference encoder (libvorbisenc and
// libogg). Not through libsndfile, which the game reads them with: it takes
// the Ogg stream serial number from the clock, so no two generations would
// write the same bytes. Here the serial number comes from the file name.

#include "sounds/Signal.h"

#include <filesystem>
#include <vector>

namespace tavernrush::assetgen {

// One Signal per channel, all the same length, at soundSampleRate. `quality`
// is Vorbis' own scale from 0 (small) to 1 (transparent). Throws
// std::runtime_error naming the path when encoding or writing fails.
void writeOggVorbis(const std::filesystem::path& path, const std::vector<Signal>& channels, float quality);

} // namespace tavernrush::assetgen
