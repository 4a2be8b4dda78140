#pragma once
// A plain copy of what the physics world holds, as the debugger link sends it
// and the monitor reads it back. Independent of the physics library.

#include "physics/PhysicsMaterial.h"

#include <glm/gtc/quaternion.hpp>
#include <glm/vec3.hpp>

#include <cstddef>
#include <vector>

namespace tavernrush {

struct BodyState {
    std::size_t index = 0;  // position in the world's body list
    glm::vec3 position{0.0f};
    glm::quat rotation{1.0f, 0.0f, 0.0f, 0.0f};  // w, x, y, z
    glm::vec3 halfExtents{0.0f};  // the body's box shape
    float mass = 0.0f;            // 0 for a static body

    bool operator==(const BodyState&) const = default;
};

struct WorldSnapshot {
    glm::vec3 gravity{0.0f};
    PhysicsMaterial material;
    std::vector<BodyState> bodies;

    bool operator==(const WorldSnapshot&) const = default;
};

} // namespace tavernrush
