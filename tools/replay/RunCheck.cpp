#include "replay/RunCheck.h"

#include <cstdio>

namespace tavernrush {
namespace {

std::string hex(std::uint64_t value)
{
    char text[24];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

} // namespace

bool RunCheck::afterFrame(long frame, const RulesChecksums& replayed)
{
    if (next_ >= checks_.size() || checks_[next_].frame != frame) {
        return true;
    }
    const RulesChecksums& recorded = checks_[next_].sums;
    ++next_;
    for (int i = 0; i < checksumPartCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        if (recorded[index] != replayed[index]) {
            divergence_ = "frame " + std::to_string(frame) + ": the " +
                          std::string(checksumPartName(static_cast<ChecksumPart>(i))) + " differs from the run (run " +
                          hex(recorded[index]) + ", replay " + hex(replayed[index]) + ")";
            return false;
        }
    }
    return true;
}

} // namespace tavernrush
