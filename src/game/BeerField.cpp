// Rules of the beer field. Every draw comes from the field's own engine in a
// fixed order, so a given seed always gives the same game.

#include "game/BeerField.h"

#include "game/PickupReach.h"
#include "game/Spin.h"
#include "game/TwoGroupDrift.h"

#include <glm/gtc/matrix_transform.hpp>

namespace tavernrush {

BeerField::BeerField()
{
    positions_.reserve(beerCount);
    for (std::size_t i = 0; i < beerCount; ++i) {
        const float x = uniformDraw(rng_, -layoutHalfExtent, layoutHalfExtent);
        const float z = uniformDraw(rng_, -layoutHalfExtent, layoutHalfExtent);
        positions_.emplace_back(x, beerHeight, z);
    }
}

void BeerField::update(float deltaTime)
{
    spinAngle_ = advanceSpin(spinAngle_, deltaTime);

    relocateTimer_ += deltaTime;
    if (relocateTimer_ > relocateIntervalSeconds) {
        // The excess is dropped on purpose: the next jump is a full interval away.
        relocateTimer_ = 0.0f;
        relocateOneBeer();
    }

    driftInTwoGroups(positions_, motion_.step(deltaTime));
}

void BeerField::drawAndCollect(const glm::vec3& playerPosition, ItemDrawer& drawer)
{
    const glm::mat4 spin = spinRotation(spinAngle_, glm::vec3(0.0f, 1.0f, 0.0f));
    for (std::size_t i = 0; i < positions_.size(); ++i) {
        if (isWithinPickupReach(playerPosition, positions_[i])) {
            respawn(i);
            ++collected;
        }
        // The beer shape needs no construction matrix of its own (identity).
        drawer.drawItem(glm::translate(glm::mat4(1.0f), positions_[i]) * spin);
    }
}

void BeerField::placeBeer(std::size_t index, const glm::vec3& position)
{
    positions_.at(index) = position;
}

void BeerField::relocateOneBeer()
{
    const std::size_t index = drawRelocationIndex(rng_, relocateIndexLimit);
    const float x = uniformDraw(rng_, -relocateHalfExtent, relocateHalfExtent);
    const float z = uniformDraw(rng_, -relocateHalfExtent, relocateHalfExtent);
    if (index < positions_.size()) {
        positions_[index] = glm::vec3(x, beerHeight, z);
    }
    motion_.redraw(rng_);
}

void BeerField::respawn(std::size_t index)
{
    // The engine continues its sequence here. Re-seeding it before each
    // respawn sent every collected beer to one fixed point, where a player
    // standing still drank the same beer again on every frame.
    const float x = uniformDraw(rng_, -respawnHalfExtent, respawnHalfExtent);
    const float z = uniformDraw(rng_, -respawnHalfExtent, respawnHalfExtent);
    positions_[index] = glm::vec3(x, beerHeight, z);
}

} // namespace tavernrush
