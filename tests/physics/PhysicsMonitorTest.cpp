// tavernrush-physics-monitor: its options, its summaries, its listener, and
// the program itself against the game's start-up code.

#include "physics/PhysicsStartup.h"
#include "physics/PhysicsWorld.h"
#include "physics/SnapshotFormat.h"
#include "physics_monitor/MonitorOptions.h"
#include "physics_monitor/SnapshotListener.h"
#include "physics_monitor/SnapshotSummary.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <future>
#include <sstream>

namespace tavernrush {
namespace {

using namespace std::chrono_literals;

// --- options ---------------------------------------------------------------

TEST(MonitorOptionsTest, DefaultsListenOnTheGamePortForOneSnapshotWithoutLimit)
{
    const MonitorOptionsResult result = parseMonitorOptions({});
    ASSERT_TRUE(result.options) << result.error;
    EXPECT_EQ(result.options->port, 5425);
    EXPECT_EQ(result.options->snapshots, 1);
    EXPECT_FALSE(result.options->timeout);
    EXPECT_FALSE(result.options->showHelp);
}

TEST(MonitorOptionsTest, ReadsEveryOption)
{
    const MonitorOptionsResult result =
        parseMonitorOptions({"--port", "0", "--snapshots", "2", "--timeout", "1.5"});
    ASSERT_TRUE(result.options) << result.error;
    EXPECT_EQ(result.options->port, 0);
    EXPECT_EQ(result.options->snapshots, 2);
    EXPECT_EQ(result.options->timeout, 1500ms);

    EXPECT_EQ(parseMonitorOptions({"--timeout", "0.0001"}).options->timeout, 1ms);
    EXPECT_FALSE(parseMonitorOptions({"--timeout", "5", "--timeout", "0"}).options->timeout);
    EXPECT_EQ(parseMonitorOptions({"--port", "65535"}).options->port, 65535);
    EXPECT_TRUE(parseMonitorOptions({"--help"}).options->showHelp);
}

TEST(MonitorOptionsTest, RejectsWhatItCannotUse)
{
    const std::vector<std::vector<std::string>> bad = {
        {"--port"},         {"--port", "65536"},  {"--port", "-1"},      {"--port", "80x"},
        {"--port", ""},     {"--snapshots", "0"}, {"--snapshots", "a"},  {"--timeout", "-1"},
        {"--timeout", "nan"}, {"--timeout", "1e9"}, {"--verbose"},       {"5425"},
    };
    for (const auto& arguments : bad) {
        const MonitorOptionsResult result = parseMonitorOptions(arguments);
        EXPECT_FALSE(result.options) << arguments.front();
        EXPECT_FALSE(result.error.empty()) << arguments.front();
    }
}

// --- summaries --------------------------------------------------------------

TEST(SnapshotSummaryTest, PyramidBoundsAndDescription)
{
    const WorldSnapshot snapshot = PhysicsWorld::create()->snapshot();
    const std::optional<BoxBounds> bounds = boxBounds(snapshot);
    ASSERT_TRUE(bounds);
    EXPECT_EQ(bounds->min, glm::vec3(-22.0f, 0.0f, 8.0f));
    EXPECT_EQ(bounds->max, glm::vec3(18.0f, 40.0f, 12.0f));

    EXPECT_EQ(describeSnapshot(snapshot),
              "55 bodies\n"
              "  gravity (0, 0, 0)\n"
              "  material: static friction 0.5, dynamic friction 0.5, restitution 0.6\n"
              "  bounds (-22, 0, 8) to (18, 40, 12)\n"
              "  total mass 35200\n");
}

TEST(SnapshotSummaryTest, BoundsFollowRotatedBoxes)
{
    WorldSnapshot snapshot;
    BodyState box;
    box.position = {1.0f, 0.0f, 0.0f};
    box.halfExtents = {2.0f, 1.0f, 0.5f};
    // A quarter turn about z swaps the x and y reach.
    box.rotation = glm::angleAxis(glm::radians(90.0f), glm::vec3(0.0f, 0.0f, 1.0f));
    snapshot.bodies.push_back(box);
    std::optional<BoxBounds> bounds = boxBounds(snapshot);
    ASSERT_TRUE(bounds);
    EXPECT_NEAR(bounds->min.x, 0.0f, 1e-5f);
    EXPECT_NEAR(bounds->max.x, 2.0f, 1e-5f);
    EXPECT_NEAR(bounds->min.y, -2.0f, 1e-5f);
    EXPECT_NEAR(bounds->max.y, 2.0f, 1e-5f);
    EXPECT_NEAR(bounds->max.z, 0.5f, 1e-5f);

    // An eighth turn of a unit cube reaches sqrt(2) along x and y.
    box.halfExtents = glm::vec3(1.0f);
    box.rotation = glm::angleAxis(glm::radians(45.0f), glm::vec3(0.0f, 0.0f, 1.0f));
    snapshot.bodies = {box};
    bounds = boxBounds(snapshot);
    ASSERT_TRUE(bounds);
    EXPECT_NEAR(bounds->max.x - bounds->min.x, 2.0f * std::sqrt(2.0f), 1e-5f);

    EXPECT_FALSE(boxBounds(WorldSnapshot{}));
    EXPECT_NE(describeSnapshot(WorldSnapshot{}).find("0 bodies"), std::string::npos);
}

TEST(SnapshotSummaryTest, MovementIsReportedByBodyIndex)
{
    const WorldSnapshot before = PhysicsWorld::create()->snapshot();
    EXPECT_TRUE(movedBodies(before, before).empty());
    EXPECT_EQ(describeMovement(before, before), "no body moved\n");

    WorldSnapshot after = before;
    after.bodies[3].position.y -= 0.001f;
    after.bodies[40].rotation = glm::angleAxis(0.01f, glm::vec3(1.0f, 0.0f, 0.0f));
    EXPECT_EQ(movedBodies(before, after), (std::vector<std::size_t>{3, 40}));
    EXPECT_EQ(describeMovement(before, after), "2 bodies moved: 3 40\n");

    after.bodies.pop_back();
    EXPECT_EQ(describeMovement(before, after), "body count changed from 55 to 54\n2 bodies moved: 3 40\n");
}

// --- listener ---------------------------------------------------------------

// Connects to the listener and sends `bytes`, then closes.
void sendTo(std::uint16_t port, const std::string& bytes)
{
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        std::size_t sent = 0;
        while (sent < bytes.size()) {
            const ssize_t count = ::send(socket, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
            if (count <= 0) {
                break;
            }
            sent += static_cast<std::size_t>(count);
        }
    }
    ::close(socket);
}

TEST(SnapshotListenerTest, StopsAtTheSizeLimitForEndlessGarbage)
{
    SnapshotListener listener(0);
    ASSERT_TRUE(listener.isOpen()) << listener.error();
    auto sender = std::async(std::launch::async,
                             [port = listener.port()] { sendTo(port, std::string(maxSnapshotBytes + 65536, '\x9c')); });
    const ReceivedSnapshot result = listener.receive(10s);
    EXPECT_EQ(result.outcome, ReceivedSnapshot::Outcome::failed);
    EXPECT_NE(result.error.find("more than"), std::string::npos) << result.error;
    sender.get();
}

TEST(SnapshotListenerTest, SilentSenderTimesOut)
{
    SnapshotListener listener(0);
    ASSERT_TRUE(listener.isOpen()) << listener.error();
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(listener.port());
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::send(socket, "tavernrush-physics-snapshot 1\n", 30, MSG_NOSIGNAL);
    const ReceivedSnapshot result = listener.receive(50ms);
    EXPECT_EQ(result.outcome, ReceivedSnapshot::Outcome::timedOut);
    EXPECT_EQ(result.text, "tavernrush-physics-snapshot 1\n");
    ::close(socket);
}

TEST(SnapshotListenerTest, BusyPortIsReportedNotThrown)
{
    SnapshotListener first(0);
    ASSERT_TRUE(first.isOpen()) << first.error();
    SnapshotListener second(first.port());
    EXPECT_FALSE(second.isOpen());
    EXPECT_NE(second.error().find("cannot listen"), std::string::npos) << second.error();
    EXPECT_EQ(second.receive(1ms).outcome, ReceivedSnapshot::Outcome::failed);
}

// --- the program --------------------------------------------------------------

// Runs the monitor with `arguments`, hands it the port it printed, and
// collects the rest of its output and its exit status.
class MonitorProcess {
public:
    explicit MonitorProcess(const std::string& arguments)
    {
        const std::string command = std::string(TAVERNRUSH_PHYSICS_MONITOR) + " " + arguments + " 2>&1";
        pipe_ = ::popen(command.c_str(), "r");
    }
    ~MonitorProcess()
    {
        if (pipe_) {
            ::pclose(pipe_);
        }
    }

    std::string readLine()
    {
        std::string line;
        for (int c = 0; pipe_ && (c = std::fgetc(pipe_)) != EOF && c != '\n';) {
            line.push_back(static_cast<char>(c));
        }
        return line;
    }

    // Reads to the end and returns the output; exitStatus() holds the status.
    std::string finish()
    {
        std::string output;
        for (int c = 0; pipe_ && (c = std::fgetc(pipe_)) != EOF;) {
            output.push_back(static_cast<char>(c));
        }
        const int status = ::pclose(pipe_);
        pipe_ = nullptr;
        exitStatus_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return output;
    }

    int exitStatus() const { return exitStatus_; }

private:
    FILE* pipe_ = nullptr;
    int exitStatus_ = -1;
};

std::uint16_t portFromBanner(const std::string& line)
{
    const std::string prefix = "listening on 127.0.0.1:";
    if (line.rfind(prefix, 0) != 0) {
        return 0;
    }
    return static_cast<std::uint16_t>(std::stoi(line.substr(prefix.size())));
}

TEST(PhysicsMonitorProgramTest, SummarisesTwoStartupsOfTheGame)
{
    MonitorProcess monitor("--port 0 --snapshots 2 --timeout 20");
    const std::string banner = monitor.readLine();
    const std::uint16_t port = portFromBanner(banner);
    ASSERT_NE(port, 0) << banner;

    for (int run = 0; run < 2; ++run) {
        std::ostringstream log;
        // Limits no busy test machine runs into: this test is about what the
        // monitor makes of the snapshot.
        const DebuggerLinkLimits patient{2000ms, 2000ms};
        EXPECT_NE(buildAndOfferPhysicsWorld(log, port, &PhysicsWorld::create, patient), nullptr);
        EXPECT_EQ(log.str(), "");
    }
    const std::string output = monitor.finish();
    EXPECT_EQ(monitor.exitStatus(), 0) << output;
    EXPECT_NE(output.find("snapshot 1: 55 bodies\n"), std::string::npos) << output;
    EXPECT_NE(output.find("  bounds (-22, 0, 8) to (18, 40, 12)\n"), std::string::npos) << output;
    EXPECT_NE(output.find("  gravity (0, 0, 0)\n"), std::string::npos) << output;
    EXPECT_NE(output.find("snapshot 2: 55 bodies\n"), std::string::npos) << output;
    EXPECT_NE(output.find("since snapshot 1: no body moved\n"), std::string::npos) << output;
}

TEST(PhysicsMonitorProgramTest, RejectsABrokenSnapshot)
{
    MonitorProcess monitor("--port 0 --timeout 20");
    const std::uint16_t port = portFromBanner(monitor.readLine());
    ASSERT_NE(port, 0);
    sendTo(port, "tavernrush-physics-snapshot 1\ngravity 0 0\n");
    const std::string output = monitor.finish();
    EXPECT_EQ(monitor.exitStatus(), 1) << output;
    EXPECT_NE(output.find("snapshot 1 is not valid: line 2:"), std::string::npos) << output;
}

TEST(PhysicsMonitorProgramTest, EndsAfterItsTimeout)
{
    MonitorProcess monitor("--port 0 --timeout 0.05");
    ASSERT_NE(portFromBanner(monitor.readLine()), 0);
    const std::string output = monitor.finish();
    EXPECT_EQ(monitor.exitStatus(), 1) << output;
    EXPECT_NE(output.find("no snapshot arrived in time"), std::string::npos) << output;
}

TEST(PhysicsMonitorProgramTest, UsageErrorsExitWithTwo)
{
    MonitorProcess monitor("--snapshots none");
    const std::string output = monitor.finish();
    EXPECT_EQ(monitor.exitStatus(), 2) << output;
    EXPECT_NE(output.find("usage: tavernrush-physics-monitor"), std::string::npos) << output;
}

} // namespace
} // namespace tavernrush
