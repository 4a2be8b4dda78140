#pragma once
// The coins: they start in the air, fall diagonally to the ground, spin,
// drift in two groups, and every 501st update one jumps to a new place in the
// air. A coin the player reaches counts and is put back in the air. Drawing
// goes through an ItemDrawer so the rules run without a GL context. How many
// there are, their seed and reach come from the level.

#include "game/ItemDrawer.h"
#include "game/PickupField.h"

namespace tavernrush {

class CoinField : public PickupField {
public:
    static constexpr float layoutHalfExtent = 100.0f;
    static constexpr float lowestStartHeight = 1.0f;
    static constexpr float highestStartHeight = 20.0f;
    static constexpr float relocateHalfExtent = 100.0f;
    // Counted in update calls, not seconds: one jump every 501 calls.
    static constexpr float relocateIntervalCalls = 500.0f;
    static constexpr float respawnHalfExtent = 101.0f;
    // Coins above this height keep falling; at or below it they rest.
    static constexpr float restingHeight = 1.0f;
    static constexpr float fallSpeedPerAxisPerSecond = 7.0f;

    explicit CoinField(const PickupFieldDescription& description);

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

    void placeCoin(std::size_t index, const glm::vec3& position) { placeItem(index, position); }
};

} // namespace tavernrush
