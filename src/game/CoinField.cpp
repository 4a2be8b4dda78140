// Rules of the coin field. Every draw comes from the field's own engine in a
// fixed order, so a given seed always gives the same game.

#include "game/CoinField.h"

#include "game/PickupReach.h"
#include "game/Spin.h"
#include "game/TwoGroupDrift.h"

#include <glm/gtc/matrix_transform.hpp>

namespace tavernrush {

namespace {
// A quarter turn about x, in the precision the coin shape was made with.
constexpr float quarterTurnRadians = 1.5707964f;
} // namespace

CoinField::CoinField()
{
    positions_.reserve(coinCount);
    for (std::size_t i = 0; i < coinCount; ++i) {
        const float x = uniformDraw(rng_, -layoutHalfExtent, layoutHalfExtent);
        const float y = uniformDraw(rng_, lowestStartHeight, highestStartHeight);
        const float z = uniformDraw(rng_, -layoutHalfExtent, layoutHalfExtent);
        positions_.emplace_back(x, y, z);
    }
}

glm::mat4 CoinField::constructionMatrix()
{
    return glm::rotate(glm::mat4(1.0f), quarterTurnRadians, glm::vec3(1.0f, 0.0f, 0.0f));
}

void CoinField::update(float deltaTime)
{
    spinAngle_ = advanceSpin(spinAngle_, deltaTime);

    relocateTimer_ += 1.0f;
    if (relocateTimer_ > relocateIntervalCalls) {
        relocateTimer_ = 0.0f;
        relocateOneCoin();
    }

    // The fall runs along (-1, -1, -1); the last step may end slightly below
    // the resting height, which is where the coin then stays.
    const float fallStep = fallSpeedPerAxisPerSecond * deltaTime;
    for (glm::vec3& position : positions_) {
        if (position.y > restingHeight) {
            position -= glm::vec3(fallStep);
        }
    }

    driftInTwoGroups(positions_, motion_.step(deltaTime));
}

bool CoinField::drawAndCollect(const glm::vec3& playerPosition, ItemDrawer& drawer)
{
    const glm::mat4 spin = spinRotation(spinAngle_, glm::vec3(0.0f, 1.0f, 0.0f));
    const glm::mat4 construction = constructionMatrix();
    for (std::size_t i = 0; i < positions_.size(); ++i) {
        if (isWithinPickupReach(playerPosition, positions_[i])) {
            respawn(i);
            ++collected;
            return true;
        }
        drawer.drawItem(glm::translate(glm::mat4(1.0f), positions_[i]) * spin * construction);
    }
    return false;
}

void CoinField::placeCoin(std::size_t index, const glm::vec3& position)
{
    positions_.at(index) = position;
}

void CoinField::relocateOneCoin()
{
    const std::size_t index = drawRelocationIndex(rng_, relocateIndexLimit);
    const float x = uniformDraw(rng_, -relocateHalfExtent, relocateHalfExtent);
    const float y = uniformDraw(rng_, lowestStartHeight, highestStartHeight);
    const float z = uniformDraw(rng_, -relocateHalfExtent, relocateHalfExtent);
    if (index < positions_.size()) {
        positions_[index] = glm::vec3(x, y, z);
    }
    motion_.redraw(rng_);
}

void CoinField::respawn(std::size_t index)
{
    // The engine continues its sequence here. Re-seeding it before each
    // respawn sent every collected coin to one fixed point in the air.
    const float x = uniformDraw(rng_, -respawnHalfExtent, respawnHalfExtent);
    const float y = uniformDraw(rng_, lowestStartHeight, highestStartHeight);
    const float z = uniformDraw(rng_, -respawnHalfExtent, respawnHalfExtent);
    positions_[index] = glm::vec3(x, y, z);
}

} // namespace tavernrush
