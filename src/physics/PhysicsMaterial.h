#pragma once
// The surface values of the physics world's one material.

namespace tavernrush {

// Bullet keeps a single friction coefficient on each body and has no shared
// material object, so the static and dynamic values are kept here as the
// world's record (and for the debugger); the bodies get the dynamic one.
// Both are 0.5, so nothing is lost.
struct PhysicsMaterial {
    float staticFriction = 0.5f;
    float dynamicFriction = 0.5f;
    float restitution = 0.6f;

    bool operator==(const PhysicsMaterial&) const = default;
};

} // namespace tavernrush
