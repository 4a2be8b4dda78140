#pragma once
// Reading a picture file whole, so that the decoders and the checks before
// them see the same bytes (and a file can be decoded from memory alike).

#include <cstdint>
#include <string>
#include <vector>

namespace tavernrush {

// Every byte of the file; empty when it cannot be opened or read (a
// directory, say). Never throws for a bad path.
std::vector<std::uint8_t> readFileBytes(const std::string& path);

} // namespace tavernrush
