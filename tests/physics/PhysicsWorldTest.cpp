// The start-up physics world: the pyramid's layout and the Bullet world
// built from it.

#include "physics/BoxPyramid.h"
#include "physics/PhysicsWorld.h"

#include <btBulletDynamicsCommon.h>
#include <gtest/gtest.h>

#include <set>

namespace tavernrush {
namespace {

TEST(BoxPyramidTest, LayersShrinkByOneAndRiseByOneBoxEach)
{
    const BoxPyramid pyramid;
    const std::vector<glm::vec3> centres = boxPyramidCentres(pyramid);
    ASSERT_EQ(centres.size(), 55u);
    EXPECT_EQ(boxPyramidCount(pyramid), 55);

    // Bottom layer: ten boxes at y = 2 from x = -20 to 16, all in z = 10.
    for (int j = 0; j < 10; ++j) {
        EXPECT_EQ(centres[j], glm::vec3(-20.0f + 4.0f * j, 2.0f, 10.0f)) << "box " << j;
    }
    // Every box sits at (4j + 2i - 20, 4i + 2, 10).
    std::size_t index = 0;
    for (int i = 0; i < 10; ++i) {
        for (int j = 0; j < 10 - i; ++j, ++index) {
            EXPECT_EQ(centres[index], glm::vec3(4.0f * j + 2.0f * i - 20.0f, 4.0f * i + 2.0f, 10.0f))
                << "layer " << i << ", box " << j;
        }
    }
    EXPECT_EQ(centres.back(), glm::vec3(-2.0f, 38.0f, 10.0f));
}

TEST(BoxPyramidTest, MassComesFromDensityAndVolume)
{
    EXPECT_EQ(boxMass(BoxPyramid{}), 640.0f);  // 10 x 4^3
    BoxPyramid small;
    small.halfExtent = 0.5f;
    small.density = 3.0f;
    EXPECT_EQ(boxMass(small), 3.0f);
    small.size = 0;
    EXPECT_TRUE(boxPyramidCentres(small).empty());
    EXPECT_EQ(boxPyramidCount(small), 0);
}

class PhysicsWorldTest : public ::testing::Test {
protected:
    std::unique_ptr<PhysicsWorld> world = PhysicsWorld::create();
};

TEST_F(PhysicsWorldTest, SnapshotHoldsThePyramidAsBulletHasIt)
{
    ASSERT_EQ(world->bodyCount(), 55u);
    const WorldSnapshot snapshot = world->snapshot();
    EXPECT_EQ(snapshot.gravity, glm::vec3(0.0f));
    EXPECT_EQ(snapshot.material, (PhysicsMaterial{0.5f, 0.5f, 0.6f}));
    const std::vector<glm::vec3> centres = boxPyramidCentres(BoxPyramid{});
    ASSERT_EQ(snapshot.bodies.size(), centres.size());
    for (std::size_t k = 0; k < centres.size(); ++k) {
        const BodyState& body = snapshot.bodies[k];
        EXPECT_EQ(body.index, k);
        EXPECT_EQ(body.position, centres[k]) << "body " << k;
        EXPECT_EQ(body.rotation, glm::quat(1.0f, 0.0f, 0.0f, 0.0f)) << "body " << k;
        EXPECT_EQ(body.halfExtents, glm::vec3(2.0f)) << "body " << k;
        EXPECT_EQ(body.mass, 640.0f) << "body " << k;
    }
    EXPECT_EQ(snapshot.bodies.front().position, glm::vec3(-20.0f, 2.0f, 10.0f));
    EXPECT_EQ(snapshot.bodies.back().position, glm::vec3(-2.0f, 38.0f, 10.0f));
}

TEST_F(PhysicsWorldTest, BulletBodiesAreDynamicBoxesSharingOneShapeAndMaterial)
{
    btDiscreteDynamicsWorld& bullet = world->bulletWorld();
    ASSERT_EQ(bullet.getNumCollisionObjects(), 55);
    std::set<const btCollisionShape*> shapes;
    for (int k = 0; k < bullet.getNumCollisionObjects(); ++k) {
        const btRigidBody* body = btRigidBody::upcast(bullet.getCollisionObjectArray()[k]);
        ASSERT_NE(body, nullptr);
        EXPECT_FALSE(body->isStaticOrKinematicObject()) << "body " << k;
        EXPECT_EQ(body->getCollisionShape()->getShapeType(), BOX_SHAPE_PROXYTYPE);
        shapes.insert(body->getCollisionShape());
        EXPECT_FLOAT_EQ(body->getFriction(), 0.5f);
        EXPECT_FLOAT_EQ(body->getRestitution(), 0.6f);
        // Solid cube of mass m and edge a: m a^2 / 6 about every axis.
        const btVector3 inertia = body->getLocalInertia();
        EXPECT_NEAR(inertia.x(), 640.0f * 16.0f / 6.0f, 0.01f);
        EXPECT_NEAR(inertia.y(), 640.0f * 16.0f / 6.0f, 0.01f);
        EXPECT_NEAR(inertia.z(), 640.0f * 16.0f / 6.0f, 0.01f);
    }
    EXPECT_EQ(shapes.size(), 1u);
}

TEST_F(PhysicsWorldTest, GravityIsZeroForTheWorldAndEveryBody)
{
    // Bullet's own default is (0, -10, 0), and a body copies the world's
    // gravity when it is added, so both sides are checked.
    btDiscreteDynamicsWorld& bullet = world->bulletWorld();
    EXPECT_EQ(bullet.getGravity(), btVector3(0.0f, 0.0f, 0.0f));
    for (int k = 0; k < bullet.getNumCollisionObjects(); ++k) {
        const btRigidBody* body = btRigidBody::upcast(bullet.getCollisionObjectArray()[k]);
        EXPECT_EQ(body->getGravity(), btVector3(0.0f, 0.0f, 0.0f)) << "body " << k;
    }
}

TEST_F(PhysicsWorldTest, BodiesDoNotMove)
{
    const WorldSnapshot before = world->snapshot();
    EXPECT_EQ(world->snapshot(), before);  // reading changes nothing

    // The game never steps the world; even a stepped world leaves the boxes
    // in place, since nothing pulls them and they only touch.
    world->bulletWorld().stepSimulation(1.0f, 60, 1.0f / 60.0f);
    const WorldSnapshot after = world->snapshot();
    for (std::size_t k = 0; k < before.bodies.size(); ++k) {
        EXPECT_NEAR(glm::distance(after.bodies[k].position, before.bodies[k].position), 0.0f, 1e-4f)
            << "body " << k;
    }
}

} // namespace
} // namespace tavernrush
