// Rules of the beer field.

#include "game/BeerField.h"

#include <glm/gtc/matrix_transform.hpp>

namespace tavernrush {

namespace {
constexpr ItemPlacement onTheGround(float halfExtent) { return {halfExtent, false, BeerField::beerHeight, 0.0f}; }
} // namespace

BeerField::BeerField(const PickupFieldDescription& description)
    : PickupField(description, onTheGround(layoutHalfExtent))
{
}

void BeerField::update(float deltaTime)
{
    advanceSpin(deltaTime);
    relocateWhenDue(deltaTime, relocateIntervalSeconds, onTheGround(relocateHalfExtent));
    drift(deltaTime);
}

void BeerField::drawAndCollect(const glm::vec3& playerPosition, ItemDrawer& drawer)
{
    const glm::mat4 turn = spin();
    for (std::size_t i = 0; i < positions_.size(); ++i) {
        if (inReach(playerPosition, i)) {
            respawn(i, onTheGround(respawnHalfExtent));
            ++collected;
        }
        // The beer shape needs no construction matrix of its own (identity).
        drawer.drawItem(glm::translate(glm::mat4(1.0f), positions_[i]) * turn);
    }
}

} // namespace tavernrush
