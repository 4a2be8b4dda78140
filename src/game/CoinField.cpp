// Rules of the coin field.

#include "game/CoinField.h"

#include <glm/gtc/matrix_transform.hpp>

namespace tavernrush {

namespace {
// A quarter turn about x, in the precision the coin shape was made with.
constexpr float quarterTurnRadians = 1.5707964f;

constexpr ItemPlacement inTheAir(float halfExtent)
{
    return {halfExtent, true, CoinField::lowestStartHeight, CoinField::highestStartHeight};
}
} // namespace

CoinField::CoinField(const PickupFieldDescription& description)
    : PickupField(description, inTheAir(layoutHalfExtent))
{
}

glm::mat4 CoinField::constructionMatrix()
{
    return glm::rotate(glm::mat4(1.0f), quarterTurnRadians, glm::vec3(1.0f, 0.0f, 0.0f));
}

void CoinField::update(float deltaTime)
{
    advanceSpin(deltaTime);
    relocateWhenDue(1.0f, relocateIntervalCalls, inTheAir(relocateHalfExtent));

    // The fall runs along (-1, -1, -1); the last step may end slightly below
    // the resting height, which is where the coin then stays.
    const float fallStep = fallSpeedPerAxisPerSecond * deltaTime;
    for (glm::vec3& position : positions_) {
        if (position.y > restingHeight) {
            position -= glm::vec3(fallStep);
        }
    }

    drift(deltaTime);
}

bool CoinField::drawAndCollect(const glm::vec3& playerPosition, ItemDrawer& drawer)
{
    const glm::mat4 turn = spin();
    const glm::mat4 construction = constructionMatrix();
    for (std::size_t i = 0; i < positions_.size(); ++i) {
        if (inReach(playerPosition, i)) {
            respawn(i, inTheAir(respawnHalfExtent));
            ++collected;
            return true;
        }
        drawer.drawItem(glm::translate(glm::mat4(1.0f), positions_[i]) * turn * construction);
    }
    return false;
}

} // namespace tavernrush
