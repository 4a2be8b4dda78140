// The physics step of start-up: the world it builds, what a listening
// monitor receives, and that no listener, a bad listener or a failed world
// leaves start-up quiet and on time.

#include "physics/DebuggerLink.h"
#include "physics/LoopbackServer.h"
#include "support/FastestOf.h"
#include "physics/PhysicsStartup.h"
#include "physics/PhysicsWorld.h"
#include "physics/SnapshotFormat.h"
#include "physics_monitor/SnapshotListener.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <future>
#include <new>
#include <sstream>
#include <stdexcept>

namespace tavernrush {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using testing::ListenerBehaviour;
using testing::LoopbackServer;

// Room on top of the link's own limits. A player would notice a second more
// at start-up; a stall (a blocking connect to a port that never answers
// retries for over a minute, a send to a listener that stopped reading never
// returns) takes far longer, and no sanitizer build on a busy machine comes
// near it.
constexpr auto noticeableDelay = 1s;
// For tests about what arrives rather than how fast: limits no busy test
// machine runs into.
constexpr DebuggerLinkLimits patientLimits{2000ms, 2000ms};

std::unique_ptr<PhysicsWorld> offer(std::ostream& log, std::uint16_t port)
{
    return buildAndOfferPhysicsWorld(log, port, &PhysicsWorld::create);
}

TEST(PhysicsStartupTest, ListeningMonitorReceivesTheWholePyramid)
{
    SnapshotListener listener(0);
    ASSERT_TRUE(listener.isOpen()) << listener.error();
    auto received = std::async(std::launch::async, [&] { return listener.receive(5s); });

    std::ostringstream log;
    const std::unique_ptr<PhysicsWorld> world =
        buildAndOfferPhysicsWorld(log, listener.port(), &PhysicsWorld::create, patientLimits);
    ASSERT_NE(world, nullptr);
    EXPECT_EQ(log.str(), "");

    const ReceivedSnapshot result = received.get();
    ASSERT_EQ(result.outcome, ReceivedSnapshot::Outcome::received) << result.error;
    const SnapshotParseResult parsed = parseSnapshot(result.text);
    ASSERT_TRUE(parsed.ok()) << "line " << parsed.errorLine << ": " << parsed.error;
    EXPECT_EQ(parsed.snapshot->bodies.size(), 55u);
    EXPECT_EQ(parsed.snapshot->gravity, glm::vec3(0.0f));
    EXPECT_EQ(*parsed.snapshot, world->snapshot());
}

TEST(PhysicsStartupTest, WithoutListenerNothingIsPrintedAndTheWorldIsBuilt)
{
    std::ostringstream log;
    const auto world = offer(log, testing::unusedLoopbackPort());
    ASSERT_NE(world, nullptr);
    EXPECT_EQ(world->bodyCount(), 55u);
    EXPECT_EQ(log.str(), "");
}

TEST(PhysicsStartupTest, MissingListenerAddsNoMoreThanTheConnectTimeout)
{
    const std::uint16_t port = testing::unusedLoopbackPort();
    std::ostringstream log;
    const auto worldOnly = testing::fastestOf(5, [] { PhysicsWorld::create(); });
    const auto withLink = testing::fastestOf(5, [&] { offer(log, port); });
    EXPECT_LE(withLink, worldOnly + debuggerConnectTimeout + noticeableDelay);
    EXPECT_EQ(log.str(), "");
}

TEST(PhysicsStartupTest, UnansweredListenerAddsNoMoreThanTheConnectTimeout)
{
    testing::UnansweredPort unanswered;
    if (!unanswered.ready()) {
        GTEST_SKIP() << "this system answers connects even with a full queue";
    }
    std::ostringstream log;
    const auto worldOnly = testing::fastestOf(3, [] { PhysicsWorld::create(); });
    const auto withLink = testing::fastestOf(3, [&] { offer(log, unanswered.port()); });
    EXPECT_LE(withLink, worldOnly + debuggerConnectTimeout + noticeableDelay);
    EXPECT_EQ(log.str(), "");
}

class MisbehavingListenerTest : public ::testing::TestWithParam<ListenerBehaviour> {};

TEST_P(MisbehavingListenerTest, StartupGoesOnQuietlyAndOnTime)
{
    LoopbackServer listener(GetParam());
    std::ostringstream log;
    std::unique_ptr<PhysicsWorld> world;
    const auto worldOnly = testing::fastestOf(3, [] { PhysicsWorld::create(); });
    const auto elapsed = testing::fastestOf(1, [&] { world = offer(log, listener.port()); });
    ASSERT_NE(world, nullptr);
    EXPECT_EQ(world->bodyCount(), 55u);
    EXPECT_EQ(log.str(), "");
    // The link may spend its connect and send limits on top of building the
    // world, and not noticeably more.
    EXPECT_LE(elapsed, worldOnly + debuggerConnectTimeout + debuggerSendTimeout + noticeableDelay);
}

INSTANTIATE_TEST_SUITE_P(Listeners, MisbehavingListenerTest,
                         ::testing::Values(ListenerBehaviour::speakGarbage,
                                           ListenerBehaviour::silent,
                                           ListenerBehaviour::neverAccept,
                                           ListenerBehaviour::vanish),
                         [](const ::testing::TestParamInfo<ListenerBehaviour>& info) {
                             switch (info.param) {
                             case ListenerBehaviour::speakGarbage: return std::string("speakGarbage");
                             case ListenerBehaviour::silent: return std::string("silent");
                             case ListenerBehaviour::neverAccept: return std::string("neverAccept");
                             case ListenerBehaviour::vanish: return std::string("vanish");
                             }
                             return std::string("unknown");
                         });

TEST(PhysicsStartupFailureTest, FailedWorldPrintsOneLineAndSendsNothing)
{
    SnapshotListener listener(0);
    ASSERT_TRUE(listener.isOpen()) << listener.error();
    auto received = std::async(std::launch::async, [&] { return listener.receive(5s); });

    std::ostringstream log;
    const auto world = buildAndOfferPhysicsWorld(
        log, listener.port(), []() -> std::unique_ptr<PhysicsWorld> { throw std::bad_alloc(); },
        patientLimits);
    EXPECT_EQ(world, nullptr);
    const std::string text = log.str();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
    EXPECT_EQ(text.rfind("ERROR: The physics world could not be created (", 0), 0u) << text;
    EXPECT_NE(text.find("bad_alloc"), std::string::npos) << text;

    // The debugger sees the connection close without a snapshot.
    const ReceivedSnapshot result = received.get();
    EXPECT_EQ(result.outcome, ReceivedSnapshot::Outcome::failed);
    EXPECT_TRUE(result.text.empty());
}

TEST(PhysicsStartupFailureTest, FactoryReturningNothingOrThrowingAnythingIsOneLine)
{
    const std::vector<PhysicsWorldFactory> failures = {
        [] { return std::unique_ptr<PhysicsWorld>(); },
        []() -> std::unique_ptr<PhysicsWorld> { throw std::runtime_error("no broadphase"); },
        []() -> std::unique_ptr<PhysicsWorld> { throw 42; },
    };
    for (const PhysicsWorldFactory& failing : failures) {
        std::ostringstream log;
        EXPECT_EQ(buildAndOfferPhysicsWorld(log, testing::unusedLoopbackPort(), failing), nullptr);
        const std::string text = log.str();
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
        EXPECT_EQ(text.rfind("ERROR: ", 0), 0u) << text;
    }
}

TEST(StartPhysicsTest, KeepsOneWorldForTheWholeRun)
{
    EXPECT_EQ(programPhysicsWorld(), nullptr);
    std::ostringstream log;
    startPhysics(log, testing::unusedLoopbackPort());
    const PhysicsWorld* world = programPhysicsWorld();
    ASSERT_NE(world, nullptr);
    EXPECT_EQ(world->bodyCount(), 55u);

    // A second call neither rebuilds nor offers again.
    SnapshotListener listener(0);
    ASSERT_TRUE(listener.isOpen()) << listener.error();
    startPhysics(log, listener.port());
    EXPECT_EQ(programPhysicsWorld(), world);
    EXPECT_EQ(listener.receive(50ms).outcome, ReceivedSnapshot::Outcome::timedOut);
    EXPECT_EQ(log.str(), "");
}

} // namespace
} // namespace tavernrush
