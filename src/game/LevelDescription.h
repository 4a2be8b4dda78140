#pragma once
// What a level is, as its file under assets/levels/ says: where the player
// starts and the fixed objects stand, the seeds of its fields, the numbers
// of its rules, and the pictures it is dressed in. The rules, the renderer,
// the asset generator and the tests all read one of these; none of them
// repeats a number from the file.

#include <glm/glm.hpp>

#include <cstdint>
#include <string>
#include <vector>

namespace tavernrush {

// A footpath painted on the ground picture: a polyline seen from above, as
// (x, z) points.
struct GroundPath {
    float halfWidth = 0.0f;
    std::vector<glm::vec2> points;
};

// A field of items picked up by walking into them (coins, beers).
struct PickupFieldDescription {
    int count = 0;
    std::uint32_t seed = 0;
    // An item strictly closer than this to the player is taken.
    float reach = 0.0f;
};

struct LevelDescription {
    // The file's name without ".ini": what --level and the records know it by.
    std::string name;
    // What the title and the docs call it.
    std::string title;

    int coinsToWin = 0;
    int beersToLose = 0;
    float timeLimitSeconds = 0.0f;

    glm::vec3 playerStart{0.0f};

    glm::vec3 wallCentre{0.0f};
    float wallRadius = 0.0f;

    glm::vec3 ladderFoot{0.0f};
    float ladderRadius = 0.0f;
    float ladderLift = 0.0f;
    float ladderTopEdgeZ = 0.0f;

    glm::vec3 toiletHut{0.0f};
    float toiletReach = 0.0f;

    // x and z; the board stands upright there.
    glm::vec2 boardCentre{0.0f};
    float counterOrbitHeight = 0.0f;

    PickupFieldDescription coins;
    PickupFieldDescription beers;

    int unicornCount = 0;
    std::uint32_t unicornSeed = 0;
    float unicornReach = 0.0f;

    float groundSize = 0.0f;
    std::string groundPicture;
    // Which of the generator's ground paintings (meadow, autumn, ...), and
    // the paths it lays between the level's places.
    std::string groundStyle;
    std::vector<GroundPath> groundPaths;
    // The win picture, which names the level's coins to win.
    std::string winPicture;
    // The folder of the sky's six cube faces.
    std::string skyFaces;
};

} // namespace tavernrush
