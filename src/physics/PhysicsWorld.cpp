// The Bullet objects behind PhysicsWorld and the pyramid they hold.

#include "physics/PhysicsWorld.h"

#include <btBulletDynamicsCommon.h>

#include <vector>

namespace tavernrush {

namespace {

const glm::vec3 worldGravity{0.0f, 0.0f, 0.0f};

} // namespace

// Declared in the order they must be built; C++ destroys them in reverse,
// which is also the order Bullet needs (bodies before the world, the world
// before its dispatcher, broadphase, solver and configuration).
struct PhysicsWorld::Bullet {
    explicit Bullet(float halfExtent) : boxShape(btVector3(halfExtent, halfExtent, halfExtent))
    {
    }

    ~Bullet()
    {
        // The dynamics world does not own its bodies; take them out before
        // they are deleted so it never holds a dangling pointer.
        for (auto it = bodies.rbegin(); it != bodies.rend(); ++it) {
            world.removeRigidBody(it->get());
        }
    }

    btDefaultCollisionConfiguration collisionConfiguration;
    btCollisionDispatcher dispatcher{&collisionConfiguration};
    btDbvtBroadphase broadphase;
    btSequentialImpulseConstraintSolver solver;
    btDiscreteDynamicsWorld world{&dispatcher, &broadphase, &solver, &collisionConfiguration};
    // One shape shared by every box. Bullet bodies only point at their
    // shape, so it lives here for as long as the bodies do.
    btBoxShape boxShape;
    std::vector<std::unique_ptr<btRigidBody>> bodies;
};

PhysicsWorld::PhysicsWorld() = default;
PhysicsWorld::~PhysicsWorld() = default;

std::unique_ptr<PhysicsWorld> PhysicsWorld::create()
{
    const BoxPyramid pyramid;
    std::unique_ptr<PhysicsWorld> world(new PhysicsWorld());
    world->bullet_ = std::make_unique<Bullet>(pyramid.halfExtent);
    // Bullet's worlds start with gravity (0, -10, 0); ours has none, and it
    // must be set before the bodies are added, since each body copies the
    // world's gravity when it joins.
    world->bullet_->world.setGravity(btVector3(worldGravity.x, worldGravity.y, worldGravity.z));
    world->buildPyramid(pyramid);
    return world;
}

void PhysicsWorld::buildPyramid(const BoxPyramid& pyramid)
{
    btBoxShape& shape = bullet_->boxShape;
    const float mass = boxMass(pyramid);
    btVector3 inertia(0.0f, 0.0f, 0.0f);
    shape.calculateLocalInertia(mass, inertia);

    const std::vector<glm::vec3> centres = boxPyramidCentres(pyramid);
    bullet_->bodies.reserve(centres.size());
    for (const glm::vec3& centre : centres) {
        btRigidBody::btRigidBodyConstructionInfo info(mass, nullptr, &shape, inertia);
        info.m_startWorldTransform.setIdentity();
        info.m_startWorldTransform.setOrigin(btVector3(centre.x, centre.y, centre.z));
        info.m_friction = material_.dynamicFriction;
        info.m_restitution = material_.restitution;
        bullet_->bodies.push_back(std::make_unique<btRigidBody>(info));
        bullet_->world.addRigidBody(bullet_->bodies.back().get());
    }
}

std::size_t PhysicsWorld::bodyCount() const
{
    return bullet_->bodies.size();
}

WorldSnapshot PhysicsWorld::snapshot() const
{
    WorldSnapshot result;
    const btVector3 gravity = bullet_->world.getGravity();
    result.gravity = {gravity.x(), gravity.y(), gravity.z()};
    result.material = material_;
    result.bodies.reserve(bullet_->bodies.size());
    for (std::size_t index = 0; index < bullet_->bodies.size(); ++index) {
        const btRigidBody& body = *bullet_->bodies[index];
        const btTransform& transform = body.getWorldTransform();
        const btVector3& origin = transform.getOrigin();
        const btQuaternion rotation = transform.getRotation();
        BodyState state;
        state.index = index;
        state.position = {origin.x(), origin.y(), origin.z()};
        state.rotation = glm::quat(rotation.w(), rotation.x(), rotation.y(), rotation.z());
        const auto* box = static_cast<const btBoxShape*>(body.getCollisionShape());
        const btVector3 halfExtents = box->getHalfExtentsWithMargin();
        state.halfExtents = {halfExtents.x(), halfExtents.y(), halfExtents.z()};
        state.mass = body.getMass();
        result.bodies.push_back(state);
    }
    return result;
}

btDiscreteDynamicsWorld& PhysicsWorld::bulletWorld()
{
    return bullet_->world;
}

} // namespace tavernrush
