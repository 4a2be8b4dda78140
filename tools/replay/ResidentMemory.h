#pragma once
// How much of this process is in RAM, for the memory log of long replays: a
// steady figure over thousands of frames is how a leak that no single test
// notices shows itself.

#include <optional>
#include <string_view>

namespace tavernrush {

// The resident size from the text of /proc/<pid>/statm (sizes in pages:
// total, resident, shared, ...), in KiB; nullopt when the text is not statm.
std::optional<long> residentKiBFromStatm(std::string_view statm, long pageBytes);

// This process's resident size in KiB; nullopt where /proc is not there.
std::optional<long> residentKiB();

} // namespace tavernrush
