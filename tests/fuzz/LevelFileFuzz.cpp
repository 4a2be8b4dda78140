// A level file as a level maker, a broken editor or a stranger's download may
// leave it: whatever it holds, the reader either names the mistake in one
// line or gives a level whose numbers the rules can play with: counts within
// bounds, every position and distance finite, every path with two points.

#include "FuzzCheck.h"
#include "game/LevelFile.h"

#include <cmath>
#include <cstdint>
#include <string_view>

namespace tavernrush {
namespace {

bool finite(const glm::vec3& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

} // namespace
} // namespace tavernrush

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tavernrush;
    const LevelParse parse = parseLevel(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz", "fuzz.ini");
    if (const auto* error = std::get_if<LevelFileError>(&parse)) {
        FUZZ_CHECK(error->message.starts_with("fuzz.ini: "));
        FUZZ_CHECK(error->message.find('\n') == std::string::npos);
        return 0;
    }
    const LevelDescription& level = std::get<LevelDescription>(parse);
    FUZZ_CHECK(level.coinsToWin >= 1 && level.beersToLose >= 1);
    FUZZ_CHECK(level.timeLimitSeconds >= 1.0f && std::isfinite(level.timeLimitSeconds));
    for (const int count : {level.coins.count, level.beers.count, level.unicornCount}) {
        FUZZ_CHECK(count >= 0 && count <= 1000);
    }
    FUZZ_CHECK(finite(level.playerStart) && finite(level.wallCentre) && finite(level.ladderFoot) &&
               finite(level.toiletHut));
    for (const float distance : {level.wallRadius, level.ladderRadius, level.toiletReach, level.unicornReach,
                                 level.coins.reach, level.beers.reach, level.groundSize}) {
        FUZZ_CHECK(std::isfinite(distance) && distance >= 0.0f);
    }
    for (const GroundPath& path : level.groundPaths) {
        FUZZ_CHECK(path.points.size() >= 2);
    }
    return 0;
}
