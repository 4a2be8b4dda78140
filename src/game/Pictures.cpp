#include "game/Pictures.h"


#include <glm/gtc/matrix_transform.hpp>

#include <string>

namespace tavernrush {

std::optional<Picture> endPicture(int coins, int beers, float elapsedSeconds, const LevelDescription& level)
{
    if (coins >= level.coinsToWin) {
        return Picture::Won;
    }
    if (beers >= level.beersToLose) {
        return Picture::Drunk;
    }
    if (elapsedSeconds >= level.timeLimitSeconds) {
        return Picture::TimeUp;
    }
    return std::nullopt;
}

bool toiletInReach(const glm::vec3& playerPosition, const LevelDescription& level)
{
    return glm::distance(playerPosition, level.toiletHut) < level.toiletReach;
}

int unicornsInReach(const glm::vec3& playerPosition, const std::vector<glm::vec3>& unicornPositions, float reach)
{
    int count = 0;
    for (const glm::vec3& unicorn : unicornPositions) {
        if (glm::distance(playerPosition, unicorn) < reach) {
            ++count;
        }
    }
    return count;
}

glm::mat4 screenBoardModel(const glm::vec3& playerPosition, const glm::mat4& playerHeading)
{
    // Standing the flat plane upright: (x, y, z) -> (x, z, -y).
    const glm::mat4 upright = glm::rotate(glm::mat4(1.0f), 1.5707964f, glm::vec3(-1.0f, 0.0f, 0.0f));
    return glm::translate(glm::mat4(1.0f), playerPosition + glm::vec3(0.0f, 6.0f, 0.0f)) * playerHeading * upright;
}

std::string animationFramePath(int number) { return std::string(asset::row(asset::animationFrame(number)).path); }

std::optional<std::string> coinDigitPath(int coins)
{
    if (coins < 1 || coins > 9) {
        return std::nullopt;
    }
    return std::string(asset::row(asset::coinDigit(coins)).path);
}

std::optional<std::string> beerDigitPath(int beers)
{
    if (beers < 1 || beers > 4) {
        return std::nullopt;
    }
    return std::string(asset::row(asset::beerDigit(beers)).path);
}

std::string coinZeroPath() { return std::string(asset::row(AssetId::CoinDigit0).path); }

std::string beerZeroPath() { return std::string(asset::row(AssetId::BeerDigit0).path); }

std::optional<int> advanceFrameAnimation(float& frameAnimTimer, int& frameAnimIndex)
{
    constexpr double secondsPerPicture = 0.4;
    constexpr int pictureCount = 22;
    if (static_cast<double>(frameAnimTimer) <= secondsPerPicture) {
        return std::nullopt;
    }
    frameAnimTimer = 0.0f;
    std::optional<int> shown;
    if (frameAnimIndex >= 1 && frameAnimIndex <= pictureCount) {
        shown = frameAnimIndex;
        if (frameAnimIndex == pictureCount) {
            frameAnimIndex = 0;
        }
    }
    ++frameAnimIndex;
    return shown;
}

} // namespace tavernrush
