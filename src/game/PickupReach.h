#pragma once
// The one reach test of every collectible: a full 3D distance, so a coin high
// above the player's head stays out of reach.

#include <glm/glm.hpp>

namespace tavernrush {

inline constexpr float pickupRadius = 1.5f;

// True when the item is strictly closer than the pickup radius; an item
// exactly at the radius is not taken.
inline bool isWithinPickupReach(const glm::vec3& playerPosition, const glm::vec3& itemPosition)
{
    return glm::distance(playerPosition, itemPosition) < pickupRadius;
}

} // namespace tavernrush
