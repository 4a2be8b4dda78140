#pragma once
// What coins and beers have in common: a list of items placed from the
// level's seed, spinning, drifting in two groups, now and then one jumping
// to a new place, and taken when the player comes within the level's reach.
// Each field says where its items go (in the air or on the ground) and when
// one jumps; every draw comes from the field's own engine in a fixed order,
// so a seed always gives the same game.

#include "game/LevelDescription.h"
#include "game/Random.h"
#include "game/TwoGroupDrift.h"

#include <cstddef>
#include <glm/glm.hpp>
#include <vector>

namespace tavernrush {

// Where a field puts an item: x and z within +-halfExtent, and y either
// drawn between two heights (between the x and z draws) or fixed.
struct ItemPlacement {
    float halfExtent = 0.0f;
    bool drawHeight = false;
    float lowestHeight = 0.0f;
    float highestHeight = 0.0f;
};

class PickupField {
public:
    // Moves one item; lets a level script or a test stage a situation.
    void placeItem(std::size_t index, const glm::vec3& position);

    const std::vector<glm::vec3>& positions() const { return positions_; }
    float spinAngle() const { return spinAngle_; }
    float speedX() const { return motion_.speedX; }
    float speedZ() const { return motion_.speedZ; }
    float directionX() const { return motion_.directionX; }
    float directionZ() const { return motion_.directionZ; }
    float relocateTimer() const { return relocateTimer_; }

    // Items picked up since start or since the last game reset; the reset
    // writes 0 here directly.
    int collected = 0;

protected:
    PickupField(const PickupFieldDescription& description, const ItemPlacement& layout);

    // Strictly closer than the reach: an item exactly at it is not taken.
    bool inReach(const glm::vec3& playerPosition, std::size_t index) const;
    // The turn every item shows this frame, about the vertical axis.
    glm::mat4 spin() const;
    void advanceSpin(float deltaTime);
    // Adds `amount` to the relocation timer; past `interval` the timer
    // restarts at 0 (the excess is dropped) and one of the first items jumps
    // to a fresh place drawn with `placement`, and the drift is drawn anew.
    void relocateWhenDue(float amount, float interval, const ItemPlacement& placement);
    void drift(float deltaTime);
    // A taken item goes back to a fresh place; the engine continues its
    // sequence, so taken items do not all land on one spot.
    void respawn(std::size_t index, const ItemPlacement& placement);

    std::vector<glm::vec3> positions_;

private:
    glm::vec3 drawPlace(const ItemPlacement& placement);

    DriftMotion motion_;
    float spinAngle_ = 0.0f;
    RandomEngine rng_;
    float relocateTimer_ = 0.0f;
    float reach_ = 0.0f;
};

} // namespace tavernrush
