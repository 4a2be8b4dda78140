#pragma once
// What the monitor tells a person about a snapshot: the readable summary and
// the comparison of two snapshots.

#include "physics/WorldSnapshot.h"

#include <glm/vec3.hpp>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tavernrush {

struct BoxBounds {
    glm::vec3 min{0.0f};
    glm::vec3 max{0.0f};
};

// The axis-aligned box around every body's box, rotations included; none for
// a snapshot without bodies.
std::optional<BoxBounds> boxBounds(const WorldSnapshot& snapshot);

// Indices of the bodies whose position or rotation differs between the two
// snapshots, over the bodies both hold. Exact comparison: the format carries
// floats bit for bit, and a world that is never stepped does not move at all.
std::vector<std::size_t> movedBodies(const WorldSnapshot& before, const WorldSnapshot& after);

// A few lines: "<n> bodies", gravity, material, bounds and total mass.
std::string describeSnapshot(const WorldSnapshot& snapshot);

// One or two lines saying whether anything changed between two snapshots.
std::string describeMovement(const WorldSnapshot& before, const WorldSnapshot& after);

} // namespace tavernrush
