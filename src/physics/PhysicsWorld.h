#pragma once
// The start-up physics world: a Bullet dynamics world with zero gravity, one
// material and a pyramid of 55 dynamic boxes sharing one box shape. The game
// never steps or queries it; it exists to be shown in a debugger.
//
// Bullet stays behind this header (only a forward declaration for tests), so
// the rest of the game neither sees nor needs its include paths.

#include "physics/BoxPyramid.h"
#include "physics/PhysicsMaterial.h"
#include "physics/WorldSnapshot.h"

#include <glm/vec3.hpp>

#include <cstddef>
#include <memory>

class btDiscreteDynamicsWorld;

namespace tavernrush {

class PhysicsWorld {
public:
    // Builds the world with the game's values. Throws (std::bad_alloc or
    // another std::exception) when it cannot be built; no half-built world
    // escapes.
    static std::unique_ptr<PhysicsWorld> create();

    ~PhysicsWorld();
    PhysicsWorld(const PhysicsWorld&) = delete;
    PhysicsWorld& operator=(const PhysicsWorld&) = delete;

    std::size_t bodyCount() const;
    const PhysicsMaterial& material() const { return material_; }

    // Reads gravity and every body back from Bullet, in the order the bodies
    // were added.
    WorldSnapshot snapshot() const;

    // For tests that look at the Bullet side directly.
    btDiscreteDynamicsWorld& bulletWorld();

private:
    struct Bullet;

    PhysicsWorld();
    void buildPyramid(const BoxPyramid& pyramid);

    PhysicsMaterial material_;
    std::unique_ptr<Bullet> bullet_;
};

} // namespace tavernrush
