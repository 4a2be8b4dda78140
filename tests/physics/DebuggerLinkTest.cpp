// The game's end of the debugger link against listeners that work, are
// missing, say nothing, talk nonsense or vanish.

#include "physics/DebuggerLink.h"
#include "physics/LoopbackServer.h"
#include "support/FastestOf.h"
#include "physics_monitor/SnapshotListener.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <future>
#include <string>

namespace tavernrush {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using testing::ListenerBehaviour;
using testing::LoopbackServer;

// Room on top of a time limit. A player would notice a second at start-up;
// a wait that ignored its limit takes far longer (a blocking connect to a
// port that never answers retries for over a minute, a blocking send to a
// listener that stopped reading never returns), and no sanitizer build on a
// busy machine comes near it.
constexpr auto noticeableDelay = 1s;
// Where a test needs the connection itself, it must not fail because the
// machine is busy with other tests.
constexpr auto patientConnect = 2000ms;

TEST(DebuggerLinkTest, DeliversEveryByteToAListener)
{
    SnapshotListener listener(0);
    ASSERT_TRUE(listener.isOpen()) << listener.error();
    auto received = std::async(std::launch::async, [&] { return listener.receive(5s); });

    const std::string message = "tavernrush-physics-snapshot 1\nline two\nend\n";
    {
        DebuggerLink link = DebuggerLink::connect(listener.port(), patientConnect);
        ASSERT_TRUE(link.isConnected());
        EXPECT_TRUE(link.send(message));
    }  // closing ends the transfer
    const ReceivedSnapshot result = received.get();
    EXPECT_EQ(result.outcome, ReceivedSnapshot::Outcome::received) << result.error;
    EXPECT_EQ(result.text, message);
}

TEST(DebuggerLinkTest, NoListenerFailsQuietlyWithinTheTimeout)
{
    const std::uint16_t port = testing::unusedLoopbackPort();
    DebuggerLink link;
    const auto elapsed = testing::fastestOf(3, [&] { link = DebuggerLink::connect(port); });
    EXPECT_FALSE(link.isConnected());
    EXPECT_LE(elapsed, debuggerConnectTimeout + noticeableDelay);
    EXPECT_FALSE(link.send("nobody hears this"));
}

TEST(DebuggerLinkTest, UnansweredConnectGivesUpAtTheTimeout)
{
    testing::UnansweredPort unanswered;
    if (!unanswered.ready()) {
        GTEST_SKIP() << "this system answers connects even with a full queue";
    }
    DebuggerLink link;
    const auto elapsed = testing::fastestOf(3, [&] { link = DebuggerLink::connect(unanswered.port(), 10ms); });
    EXPECT_FALSE(link.isConnected());
    EXPECT_GE(elapsed, 10ms);
    EXPECT_LE(elapsed, 10ms + noticeableDelay);
}

TEST(DebuggerLinkTest, ListenerThatNeverReadsCannotStallTheSender)
{
    LoopbackServer silent(ListenerBehaviour::silent);
    DebuggerLink link = DebuggerLink::connect(silent.port(), patientConnect);
    ASSERT_TRUE(link.isConnected());
    // Far more than the socket buffers hold, so the send must hit its limit.
    const std::string flood(64 * 1024 * 1024, 'x');
    bool delivered = true;
    const auto elapsed = testing::fastestOf(3, [&] { delivered = link.send(flood, 20ms); });
    EXPECT_FALSE(delivered);
    EXPECT_GE(elapsed, 20ms);
    EXPECT_LE(elapsed, 20ms + noticeableDelay);
}

TEST(DebuggerLinkTest, ListenerThatNeverAcceptsStillTakesASmallSnapshot)
{
    LoopbackServer queue(ListenerBehaviour::neverAccept);
    DebuggerLink link = DebuggerLink::connect(queue.port(), patientConnect);
    ASSERT_TRUE(link.isConnected());  // the system completes the handshake
    EXPECT_TRUE(link.send(std::string(4000, 'x')));
}

TEST(DebuggerLinkTest, VanishedListenerGivesFalseInsteadOfSigpipe)
{
    LoopbackServer vanishing(ListenerBehaviour::vanish);
    DebuggerLink link = DebuggerLink::connect(vanishing.port(), patientConnect);
    ASSERT_TRUE(link.isConnected());
    // Wait until the listener has reset the connection.
    const auto deadline = Clock::now() + 2s;
    while (vanishing.acceptedConnections() == 0 && Clock::now() < deadline) {
        std::this_thread::sleep_for(1ms);
    }
    ASSERT_EQ(vanishing.acceptedConnections(), 1);
    std::this_thread::sleep_for(100ms);
    // The first send after a reset reports it; the ones after it write to a
    // closed connection, which raises SIGPIPE unless the sender suppresses
    // it. A signal would end this test process right here.
    const std::string chunk(64 * 1024, 'x');
    int failures = 0;
    for (int k = 0; k < 3; ++k) {
        failures += link.send(chunk) ? 0 : 1;
    }
    EXPECT_EQ(failures, 3);
}

TEST(DebuggerLinkTest, GarbageFromTheListenerIsIgnored)
{
    LoopbackServer talker(ListenerBehaviour::speakGarbage);
    DebuggerLink link = DebuggerLink::connect(talker.port(), patientConnect);
    ASSERT_TRUE(link.isConnected());
    std::this_thread::sleep_for(20ms);  // let the garbage arrive first
    EXPECT_TRUE(link.send("tavernrush-physics-snapshot 1\n"));
    const auto elapsed = testing::fastestOf(1, [&] { link.close(); });
    EXPECT_FALSE(link.isConnected());
    EXPECT_LE(elapsed, noticeableDelay);
}

TEST(DebuggerLinkTest, MovedLinkOwnsTheConnectionAlone)
{
    SnapshotListener listener(0);
    ASSERT_TRUE(listener.isOpen()) << listener.error();
    auto received = std::async(std::launch::async, [&] { return listener.receive(5s); });
    DebuggerLink first = DebuggerLink::connect(listener.port(), patientConnect);
    ASSERT_TRUE(first.isConnected());
    DebuggerLink second = std::move(first);
    EXPECT_FALSE(first.isConnected());  // NOLINT(bugprone-use-after-move): moved-from state is defined
    EXPECT_FALSE(first.send("lost"));
    EXPECT_TRUE(second.send("kept\nend\n"));
    second = DebuggerLink();  // closes the connection
    EXPECT_EQ(received.get().text, "kept\nend\n");
}

} // namespace
} // namespace tavernrush
