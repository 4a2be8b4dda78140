#pragma once
// A fingerprint of the rules' state, part by part, that a run file keeps
// every so often: replaying the run must reach the same numbers, and the
// first part that differs says where the replay went its own way.

#include <array>
#include <cstdint>
#include <string_view>

namespace tavernrush {

class FrameRules;

enum class ChecksumPart { Player, Camera, Coins, Beers, Unicorns, Timers, Pictures };
inline constexpr int checksumPartCount = 7;

// "player", "camera", "coins", "beers", "unicorns", "timers", "pictures".
std::string_view checksumPartName(ChecksumPart part);

using RulesChecksums = std::array<std::uint64_t, checksumPartCount>;

// FNV-1a over the exact bits of each part's numbers, so the smallest
// rounding difference shows.
RulesChecksums checksumRules(const FrameRules& rules);

} // namespace tavernrush
