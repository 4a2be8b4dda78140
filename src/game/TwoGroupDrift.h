#pragma once
// Beers and coins drift in two groups that move in opposite directions, so
// the field spreads out instead of sliding off the level as a whole.

#include <glm/glm.hpp>
#include <vector>

namespace tavernrush {

// Moves the first n/2 items (integer division) by `step` and the rest by
// -step, in the ground plane: only x and z of `step` are used, heights stay.
// A list of fewer than two items does not move at all.
void driftInTwoGroups(std::vector<glm::vec3>& positions, const glm::vec2& stepXZ);

} // namespace tavernrush
