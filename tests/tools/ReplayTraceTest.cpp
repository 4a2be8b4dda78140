// The trace line format: key order and spelling, number precision, lists,
// and no invalid JSON for broken numbers.

#include "replay/TraceFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>

namespace tavernrush {
namespace {

TEST(ReplayTraceTest, NumbersKeepNineSignificantDigitsAndReadBackExactly)
{
    EXPECT_EQ(formatTraceNumber(0.0), "0");
    EXPECT_EQ(formatTraceNumber(60.0), "60");
    for (const float value : {1.0f / 60.0f, -25.8147f, 14.2129f, 1.553343f, 3.0e-8f, 123456.789f}) {
        const std::string text = formatTraceNumber(value);
        EXPECT_EQ(static_cast<float>(std::strtod(text.c_str(), nullptr)), value) << text;
    }
    EXPECT_EQ(formatTraceNumber(1.0f / 60.0f), "0.0166666675");
}

TEST(ReplayTraceTest, BrokenNumbersBecomeNull)
{
    EXPECT_EQ(formatTraceNumber(std::numeric_limits<double>::quiet_NaN()), "null");
    EXPECT_EQ(formatTraceNumber(std::numeric_limits<double>::infinity()), "null");
    EXPECT_EQ(formatTraceNumber(-std::numeric_limits<double>::infinity()), "null");
}

TEST(ReplayTraceTest, LineHoldsEveryFieldInOrder)
{
    FrameRecord record;
    record.frame = 42;
    record.deltaTime = 0.25f;
    record.gameTimer = 10.5f;
    record.screenShown = true;
    record.paused = true;
    record.coins = 3;
    record.beers = 1;
    record.player = {1.0f, 0.0f, -2.5f};
    record.direction = {0.0f, 0.0f, -1.0f};
    record.onLadderTop = false;
    record.jumpActive = true;
    record.jumpCooldown = 0.5f;
    record.cameraPosition = {0.0f, 5.0f, 9.0f};
    record.cameraYaw = -0.125f;
    record.cameraPitch = 1.5f;
    record.fieldOfView = 55.0f;
    record.isFullscreen = false;
    record.frameAnimIndex = 7;
    record.pictures = {Picture::Toilet, Picture::Unicorn, Picture::Unicorn};
    record.events = {FrameEventKind::PictureToilet, FrameEventKind::JumpStarted};
    record.unicorns = {{1.0f, 2.0f, 3.0f}, {4.0f, 5.0f, 6.0f}};
    record.beerPositions = {{7.0f, 0.5f, 8.0f}};
    record.coinPositions = {};

    EXPECT_EQ(formatTraceLine(record),
              "{\"frame\":42,\"deltaTime\":0.25,\"gameTimer\":10.5,\"screenShown\":true,\"paused\":true,\"menu\":null,"
              "\"coins\":3,\"beers\":1,"
              "\"player\":[1,0,-2.5],\"direction\":[0,0,-1],\"onLadderTop\":false,\"jumpActive\":true,"
              "\"jumpCooldown\":0.5,\"cameraPosition\":[0,5,9],\"cameraYaw\":-0.125,\"cameraPitch\":1.5,"
              "\"fieldOfView\":55,\"isFullscreen\":false,\"frameAnimIndex\":7,"
              "\"pictures\":[\"toiletScreen\",\"unicornScreen\",\"unicornScreen\"],\"events\":[\"picture:toilet\",\"jump\"],"
              "\"unicorns\":[[1,2,3],[4,5,6]],\"beerPositions\":[[7,0.5,8]],\"coinPositions\":[]}");
}

TEST(ReplayTraceTest, TheRenderScaleClosesTheLineOnlyWhenTheRunScalesTheScene)
{
    FrameRecord record;
    EXPECT_EQ(formatTraceLine(record).find("renderScale"), std::string::npos) << "default traces keep their bytes";
    record.renderScale = 0.75f;
    const std::string line = formatTraceLine(record);
    EXPECT_EQ(line.substr(line.rfind(",\"")), ",\"renderScale\":0.75}") << line;
}

TEST(ReplayTraceTest, AMenuNamesItsScreenAndSelectedEntry)
{
    FrameRecord record;
    record.menu.emplace("options", "volume");
    EXPECT_NE(formatTraceLine(record).find(",\"menu\":{\"screen\":\"options\",\"item\":\"volume\"},"),
              std::string::npos);
}

TEST(ReplayTraceTest, EveryPictureHasItsBoardName)
{
    FrameRecord record;
    record.pictures = {Picture::Won, Picture::Drunk, Picture::TimeUp};
    const std::string line = formatTraceLine(record);
    EXPECT_NE(line.find("\"pictures\":[\"wonScreen\",\"drunkScreen\",\"timeUpScreen\"]"), std::string::npos)
        << line;
    EXPECT_EQ(line.find('\n'), std::string::npos);
}

} // namespace
} // namespace tavernrush
