#pragma once
// Beers and coins drift in two groups that move in opposite directions, so
// the field spreads out instead of sliding off the level as a whole.

#include "game/Random.h"

#include <glm/glm.hpp>
#include <cstddef>
#include <vector>

namespace tavernrush {

// Moves the first n/2 items (integer division) by `step` and the rest by
// -step, in the ground plane: only x and z of `step` are used, heights stay.
// A list of fewer than two items does not move at all.
void driftInTwoGroups(std::vector<glm::vec3>& positions, const glm::vec2& stepXZ);

// Speed and direction factors of a field's drift; a periodic relocation
// draws new ones.
struct DriftMotion {
    float speedX = 2.0f;
    float speedZ = -4.0f;
    float directionX = 1.0f;
    float directionZ = -1.0f;

    // Speeds in [1, 4], then directions in [-1, 1], in this draw order.
    void redraw(RandomEngine& rng);
    // The first group's step this frame along x and z.
    glm::vec2 step(float deltaTime) const;
};

// The item a periodic relocation moves: the integer part of a draw in
// [0, limit], so `limit` itself only comes up when the draw is exactly it.
std::size_t drawRelocationIndex(RandomEngine& rng, float limit);

} // namespace tavernrush
