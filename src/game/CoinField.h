#pragma once
// The 40 coins: they start in the air, fall diagonally to the ground, spin,
// drift in two groups, and every 501st update one jumps to a new place in the
// air. A coin the player reaches counts and is put back in the air. Drawing
// goes through an ItemDrawer so the rules run without a GL context.

#include "game/ItemDrawer.h"
#include "game/Random.h"
#include "game/TwoGroupDrift.h"

#include <cstddef>
#include <glm/glm.hpp>
#include <vector>

namespace tavernrush {

class CoinField {
public:
    static constexpr std::size_t coinCount = 40;
    static constexpr RandomEngine::result_type layoutSeed = 345;
    static constexpr float layoutHalfExtent = 100.0f;
    static constexpr float lowestStartHeight = 1.0f;
    static constexpr float highestStartHeight = 20.0f;
    // The periodic relocation may only pick coins 0 to 16.
    static constexpr float relocateIndexLimit = 16.0f;
    static constexpr float relocateHalfExtent = 100.0f;
    // Counted in update calls, not seconds: one jump every 501 calls.
    static constexpr float relocateIntervalCalls = 500.0f;
    static constexpr float respawnHalfExtent = 101.0f;
    // Coins above this height keep falling; at or below it they rest.
    static constexpr float restingHeight = 1.0f;
    static constexpr float fallSpeedPerAxisPerSecond = 7.0f;

    CoinField();

    // The coin shape is built flat; this stands it on its edge. The GL side
    // bakes the same matrix into the geometry it draws with.
    static glm::mat4 constructionMatrix();

    // Spin, periodic relocation, fall and drift, once per frame.
    void update(float deltaTime);

    // Tests the coins against the player in list order. The first coin within
    // reach is put back in the air, counted, and ends the pass: it and the
    // coins after it are not drawn this frame, and at most one coin is taken
    // per call. Returns whether a coin was taken.
    bool drawAndCollect(const glm::vec3& playerPosition, ItemDrawer& drawer);

    // Moves one coin; lets a level script or a test stage a situation.
    void placeCoin(std::size_t index, const glm::vec3& position);

    const std::vector<glm::vec3>& positions() const { return positions_; }
    float spinAngle() const { return spinAngle_; }
    float speedX() const { return motion_.speedX; }
    float speedZ() const { return motion_.speedZ; }
    float directionX() const { return motion_.directionX; }
    float directionZ() const { return motion_.directionZ; }
    float relocateTimer() const { return relocateTimer_; }

    // Coins picked up since start or since the last game reset; the reset
    // writes 0 here directly.
    int collected = 0;

private:
    void relocateOneCoin();
    void respawn(std::size_t index);

    DriftMotion motion_;
    float spinAngle_ = 0.0f;
    std::vector<glm::vec3> positions_;
    RandomEngine rng_{layoutSeed};
    float relocateTimer_ = 0.0f;
};

} // namespace tavernrush
