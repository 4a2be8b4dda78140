#pragma once
// Which full-screen picture is due, and where its board hangs.

#include "game/AssetTable.h"
#include "game/LevelDescription.h"
#include "game/Picture.h"

#include <glm/glm.hpp>

#include <optional>
#include <string>
#include <vector>

namespace tavernrush {

// At most one end picture: winning beats being drunk beats running out of
// time. `elapsedSeconds` is the run's time so far.
std::optional<Picture> endPicture(int coins, int beers, float elapsedSeconds, const LevelDescription& level);

bool toiletInReach(const glm::vec3& playerPosition, const LevelDescription& level);

// One entry per unicorn in reach, so two unicorns draw the picture twice.
int unicornsInReach(const glm::vec3& playerPosition, const std::vector<glm::vec3>& unicornPositions,
                    float reach);

// A picture board hangs 6 above the player, upright and turned with him.
glm::mat4 screenBoardModel(const glm::vec3& playerPosition, const glm::mat4& playerHeading);

// The picture of the animation board, "assets/frames/Frame01.jpg" to "...22.jpg".
std::string animationFramePath(int number);

// Counter pictures: the coin sphere shows coin1..coin9, the beer sphere
// beer1..beer4; other counts keep the last picture.
std::optional<std::string> coinDigitPath(int coins);
std::optional<std::string> beerDigitPath(int beers);
// What the spheres show at the start of a run.
std::string coinZeroPath();
std::string beerZeroPath();

// One step of the animation board: returns the picture to show when a switch
// is due (every 0.4 s of frame time) and moves the index on, 22 wrapping to 1.
std::optional<int> advanceFrameAnimation(float& frameAnimTimer, int& frameAnimIndex);

} // namespace tavernrush
