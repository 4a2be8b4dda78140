#pragma once
// Shared helpers of the game-rule tests.

#include "game/ItemDrawer.h"

#include <gtest/gtest.h>
#include <vector>

namespace tavernrush {

// Stands in for the GL side: keeps every matrix it is asked to draw with.
class RecordingItemDrawer : public ItemDrawer {
public:
    void drawItem(const glm::mat4& drawMatrix) override { drawn.push_back(drawMatrix); }

    // Where the item's own origin ends up in the world.
    glm::vec3 drawnPosition(std::size_t i) const { return glm::vec3(drawn.at(i)[3]); }

    std::vector<glm::mat4> drawn;
};

// Published positions and speeds are rounded to four decimals.
inline constexpr float fourDecimals = 5e-5f;

inline void expectNear(const glm::vec3& actual, const glm::vec3& expected, float tolerance)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

} // namespace tavernrush
