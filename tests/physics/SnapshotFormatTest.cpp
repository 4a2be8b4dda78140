// The snapshot text: what the game writes, and what a reader accepts.

#include "physics/PhysicsWorld.h"
#include "physics/SnapshotFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace tavernrush {
namespace {

WorldSnapshot twoBodySnapshot()
{
    WorldSnapshot snapshot;
    snapshot.gravity = {0.0f, -9.81f, 0.125f};
    snapshot.material = {0.7f, 0.3f, 1e-7f};
    BodyState first;
    first.position = {-20.0f, 2.0f, 10.0f};
    first.halfExtents = {2.0f, 2.0f, 2.0f};
    first.mass = 640.0f;
    BodyState second;
    second.index = 1;
    second.position = {0.1f, -1234567.8f, 3.4028235e38f};
    second.rotation = glm::normalize(glm::quat(0.3f, 0.1f, -0.7f, 0.2f));
    second.halfExtents = {0.5f, 1.0f / 3.0f, 7.0f};
    second.mass = 0.0f;  // static
    snapshot.bodies = {first, second};
    return snapshot;
}

// Replaces line `number` (1-based) of `text`.
std::string withLine(std::string text, int number, const std::string& replacement)
{
    std::size_t start = 0;
    for (int k = 1; k < number; ++k) {
        start = text.find('\n', start) + 1;
    }
    const std::size_t end = text.find('\n', start);
    return text.replace(start, end - start, replacement);
}

TEST(SnapshotFormatTest, PyramidSnapshotReadsAsDocumented)
{
    const std::string text = formatSnapshot(PhysicsWorld::create()->snapshot());
    EXPECT_EQ(text.substr(0, text.find("body 0")),
              "tavernrush-physics-snapshot 1\n"
              "gravity 0 0 0\n"
              "material 0.5 0.5 0.6\n"
              "bodies 55\n");
    EXPECT_NE(text.find("\nbody 0 -20 2 10 0 0 0 1 2 2 2 640\n"), std::string::npos);
    EXPECT_NE(text.find("\nbody 54 -2 38 10 0 0 0 1 2 2 2 640\nend\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 5), "\nend\n");
}

TEST(SnapshotFormatTest, RoundTripKeepsEveryFloatExactly)
{
    const WorldSnapshot original = twoBodySnapshot();
    const SnapshotParseResult result = parseSnapshot(formatSnapshot(original));
    ASSERT_TRUE(result.ok()) << "line " << result.errorLine << ": " << result.error;
    EXPECT_EQ(*result.snapshot, original);

    const WorldSnapshot empty;
    const SnapshotParseResult emptyResult = parseSnapshot(formatSnapshot(empty));
    ASSERT_TRUE(emptyResult.ok()) << emptyResult.error;
    EXPECT_TRUE(emptyResult.snapshot->bodies.empty());
}

struct BrokenSnapshot {
    const char* name;
    std::string text;
    std::size_t errorLine;
};

class SnapshotRejectionTest : public ::testing::TestWithParam<BrokenSnapshot> {};

TEST_P(SnapshotRejectionTest, NamesTheLineOfTheFirstFault)
{
    const SnapshotParseResult result = parseSnapshot(GetParam().text);
    EXPECT_FALSE(result.ok());
    EXPECT_FALSE(result.error.empty());
    EXPECT_EQ(result.errorLine, GetParam().errorLine) << result.error;
}

const std::string good = formatSnapshot(twoBodySnapshot());
const std::string body0 = "body 0 -20 2 10 0 0 0 1 2 2 2 640";

INSTANTIATE_TEST_SUITE_P(
    BrokenInputs, SnapshotRejectionTest,
    ::testing::Values(
        BrokenSnapshot{"empty", "", 1},
        BrokenSnapshot{"binaryGarbage", std::string("\x9c\x00\xff\n\x01", 5), 1},
        BrokenSnapshot{"httpRequest", "GET / HTTP/1.1\r\nHost: x\r\n\r\n", 1},
        BrokenSnapshot{"otherVersion", withLine(good, 1, "tavernrush-physics-snapshot 2"), 1},
        BrokenSnapshot{"versionNotANumber", withLine(good, 1, "tavernrush-physics-snapshot one"), 1},
        BrokenSnapshot{"gravityMissingValue", withLine(good, 2, "gravity 0 0"), 2},
        BrokenSnapshot{"gravityExtraValue", withLine(good, 2, "gravity 0 0 0 0"), 2},
        BrokenSnapshot{"gravityDoubleSpace", withLine(good, 2, "gravity 0  0 0"), 2},
        BrokenSnapshot{"gravityNotFinite", withLine(good, 2, "gravity 0 inf 0"), 2},
        BrokenSnapshot{"gravityNan", withLine(good, 2, "gravity nan 0 0"), 2},
        BrokenSnapshot{"materialTrailingJunk", withLine(good, 3, "material 0.5x 0.5 0.6"), 3},
        BrokenSnapshot{"linesSwapped", withLine(withLine(good, 2, "material 1 1 1"), 3, "gravity 0 0 0"), 2},
        BrokenSnapshot{"countNegative", withLine(good, 4, "bodies -1"), 4},
        BrokenSnapshot{"countHuge", withLine(good, 4, "bodies 99999999999"), 4},
        BrokenSnapshot{"countTooHigh", withLine(good, 4, "bodies 3"), 7},
        BrokenSnapshot{"countTooLow", withLine(good, 4, "bodies 1"), 6},
        BrokenSnapshot{"bodyOutOfOrder", withLine(good, 5, "body 1 -20 2 10 0 0 0 1 2 2 2 640"), 5},
        BrokenSnapshot{"bodyShort", withLine(good, 5, "body 0 -20 2 10 0 0 0 1 2 2 2"), 5},
        BrokenSnapshot{"rotationNotUnit", withLine(good, 5, "body 0 -20 2 10 0 0 0 2 2 2 2 640"), 5},
        BrokenSnapshot{"halfExtentZero", withLine(good, 5, "body 0 -20 2 10 0 0 0 1 2 0 2 640"), 5},
        BrokenSnapshot{"massNegative", withLine(good, 5, "body 0 -20 2 10 0 0 0 1 2 2 2 -1"), 5},
        BrokenSnapshot{"truncatedMidLine", good.substr(0, good.find(body0) + 10), 5},
        BrokenSnapshot{"noEndLine", good.substr(0, good.size() - 4), 7},
        BrokenSnapshot{"endWithoutNewline", good.substr(0, good.size() - 1), 7},
        BrokenSnapshot{"textAfterEnd", good + "body 2 0 0 0 0 0 0 1 1 1 1 1\n", 8},
        BrokenSnapshot{"windowsLineEnds", "tavernrush-physics-snapshot 1\r\n", 1}),
    [](const ::testing::TestParamInfo<BrokenSnapshot>& info) { return std::string(info.param.name); });

} // namespace
} // namespace tavernrush
