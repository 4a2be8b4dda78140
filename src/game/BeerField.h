#pragma once
// The beers standing on the ground: they spin, drift in two groups, now and
// then one jumps to a new place, and a beer the player walks into counts as
// drunk and is put back elsewhere. Drawing goes through an ItemDrawer so the
// rules run without a GL context. How many there are, their seed and reach
// come from the level.

#include "game/ItemDrawer.h"
#include "game/PickupField.h"

namespace tavernrush {

class BeerField : public PickupField {
public:
    static constexpr float beerHeight = 0.5f;
    static constexpr float layoutHalfExtent = 90.0f;
    static constexpr float relocateHalfExtent = 100.0f;
    static constexpr float relocateIntervalSeconds = 10.0f;
    static constexpr float respawnHalfExtent = 102.0f;

    explicit BeerField(const PickupFieldDescription& description);

    // Spin, periodic relocation and drift. The frame loop calls this twice per
    // frame, so every per-call rate acts twice.
    void update(float deltaTime);

    // Tests every beer against the player in list order, puts each one within
    // reach back at a fresh place and counts it, and draws every beer at its
    // (possibly new) position. Several beers can be taken in one call.
    void drawAndCollect(const glm::vec3& playerPosition, ItemDrawer& drawer);

    void placeBeer(std::size_t index, const glm::vec3& position) { placeItem(index, position); }
};

} // namespace tavernrush
