#pragma once
// The 25 beers standing on the ground: they spin, drift in two groups, now
// and then one jumps to a new place, and a beer the player walks into counts
// as drunk and is put back elsewhere. Drawing goes through an ItemDrawer so
// the rules run without a GL context.

#include "game/ItemDrawer.h"
#include "game/Random.h"
#include "game/TwoGroupDrift.h"

#include <cstddef>
#include <glm/glm.hpp>
#include <vector>

namespace tavernrush {

class BeerField {
public:
    static constexpr std::size_t beerCount = 25;
    static constexpr float beerHeight = 0.5f;
    static constexpr RandomEngine::result_type layoutSeed = 200;
    static constexpr float layoutHalfExtent = 90.0f;
    // The periodic relocation may only pick beers 0 to 16.
    static constexpr float relocateIndexLimit = 16.0f;
    static constexpr float relocateHalfExtent = 100.0f;
    static constexpr float relocateIntervalSeconds = 10.0f;
    static constexpr float respawnHalfExtent = 102.0f;

    BeerField();

    // Spin, periodic relocation and drift. The frame loop calls this twice per
    // frame, so every per-call rate acts twice.
    void update(float deltaTime);

    // Tests every beer against the player in list order, puts each one within
    // reach back at a fresh place and counts it, and draws every beer at its
    // (possibly new) position. Several beers can be taken in one call.
    void drawAndCollect(const glm::vec3& playerPosition, ItemDrawer& drawer);

    // Moves one beer; lets a level script or a test stage a situation.
    void placeBeer(std::size_t index, const glm::vec3& position);

    const std::vector<glm::vec3>& positions() const { return positions_; }
    float spinAngle() const { return spinAngle_; }
    float speedX() const { return motion_.speedX; }
    float speedZ() const { return motion_.speedZ; }
    float directionX() const { return motion_.directionX; }
    float directionZ() const { return motion_.directionZ; }
    float relocateTimer() const { return relocateTimer_; }

    // Beers picked up since start or since the last game reset; the reset
    // writes 0 here directly.
    int collected = 0;

private:
    void relocateOneBeer();
    void respawn(std::size_t index);

    DriftMotion motion_;
    float spinAngle_ = 0.0f;
    std::vector<glm::vec3> positions_;
    RandomEngine rng_{layoutSeed};
    float relocateTimer_ = 0.0f;
};

} // namespace tavernrush
