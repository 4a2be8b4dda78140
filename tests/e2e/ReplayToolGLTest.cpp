// The replay tool end to end: the built binary starts the real game under the
// test display, with the build's assets/ (in a small window, see
// ReplayProcess.h), driven by small scripts and checked through its trace,
// its pictures, its summary line and its exit status.

#include "ReplayProcess.h"

#include "game/LevelFile.h"

#include <gtest/gtest.h>
#include <stb_image.h>

#include <chrono>
#include <fstream>
#include <cmath>
#include <regex>
#include <set>

namespace tavernrush::e2e {
namespace {

namespace fs = std::filesystem;

constexpr float stepSeconds = 1.0f / 60.0f;

// The keys of every trace line, in the order they are written.
const std::vector<std::string> traceKeys = {
    "frame",       "deltaTime",    "gameTimer",    "screenShown",    "paused",   "menu",         "coins",
    "beers",       "player",       "direction",    "onLadderTop",    "jumpActive", "jumpCooldown",
    "cameraPosition", "cameraYaw", "cameraPitch",  "fieldOfView",    "isFullscreen", "frameAnimIndex",
    "pictures",    "events",       "unicorns",     "beerPositions",  "coinPositions"};

struct Vec3 {
    double x, y, z;
};

Vec3 vec3(const Json& value)
{
    EXPECT_EQ(value.size(), 3u);
    return value.size() == 3 ? Vec3{value.at(0).get<double>(), value.at(1).get<double>(), value.at(2).get<double>()}
                             : Vec3{0, 0, 0};
}

std::vector<std::string> keysOf(const Json& line)
{
    std::vector<std::string> keys;
    for (const auto& entry : line.items()) {
        keys.push_back(entry.key());
    }
    return keys;
}

double distance(const Vec3& a, const Vec3& b)
{
    return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) + (a.z - b.z) * (a.z - b.z));
}

std::string describe(const ProcessResult& result)
{
    return "exit " + std::to_string(result.exitStatus) + (result.timedOut ? " (timed out)" : "") +
           "\n--- stdout\n" + result.output + "\n--- stderr\n" + result.errors;
}

// Runs a script and returns its trace; the run must succeed.
std::vector<Json> replayTrace(const std::string& name, const std::string& script,
                              std::vector<std::string> extraArgs, ProcessResult* resultOut = nullptr)
{
    const fs::path folder = freshOutputFolder(name);
    writeTextFile(folder / "script.txt", script);
    std::vector<std::string> args{"--script", (folder / "script.txt").string(), "--trace",
                                  (folder / "trace.jsonl").string()};
    args.insert(args.end(), extraArgs.begin(), extraArgs.end());
    const ProcessResult result = runReplay(args, folder);
    EXPECT_EQ(result.exitStatus, 0) << describe(result);
    if (resultOut != nullptr) {
        *resultOut = result;
    }
    return readTrace(folder / "trace.jsonl");
}

TEST(ReplayToolGLTest, WalkingForOneSecondMovesFifteenUnitsAlongMinusZ)
{
    // Frame 0 runs with no frame time, so frames 1 to 60 make one second.
    const std::vector<Json> trace =
        replayTrace("walk", "# one second of walking\n1-60 key up\n5 scroll 10\n", {"--frames", "61"});
    ASSERT_EQ(trace.size(), 61u);

    for (std::size_t frame = 0; frame < trace.size(); ++frame) {
        const Json& line = trace[frame];
        ASSERT_EQ(keysOf(line), traceKeys) << "frame " << frame;
        EXPECT_EQ(line.at("frame").get<double>(), static_cast<double>(frame));
        // Exactly the step, not just close: the trace keeps 9 digits of it.
        EXPECT_EQ(static_cast<float>(line.at("deltaTime").get<double>()), frame == 0 ? 0.0f : stepSeconds) << frame;
        EXPECT_EQ(line.at("coinPositions").size(), 40u);
        EXPECT_EQ(line.at("beerPositions").size(), 25u);
        EXPECT_EQ(line.at("unicorns").size(), 9u);
        EXPECT_FALSE(line.at("screenShown").get<bool>()) << "nothing may stop the walk, frame " << frame;
    }
    const Vec3 start = vec3(trace[0].at("player"));
    const Vec3 end = vec3(trace[60].at("player"));
    EXPECT_NEAR(start.z, 20.0, 1e-6);
    EXPECT_NEAR(end.x, 0.0, 1e-6);
    EXPECT_NEAR(end.y, 0.0, 1e-6);
    EXPECT_NEAR(start.z - end.z, 15.0, 1e-3);
    EXPECT_NEAR(trace[60].at("gameTimer").get<double>(), 1.0, 1e-4);

    // The wheel event arrives before frame 5 and narrows the view.
    EXPECT_EQ(trace[4].at("fieldOfView").get<double>(), 60.0);
    EXPECT_EQ(trace[5].at("fieldOfView").get<double>(), 50.0);
}

TEST(ReplayToolGLTest, TurningAndDraggingThenEscapeEndsTheRun)
{
    ProcessResult result;
    const std::vector<Json> trace = replayTrace("turn-escape",
                                                "1-90 key right\n"
                                                "10 cursor 100 0\n"
                                                "11-12 cursor 100 200\n"
                                                "11-12 button left\n"
                                                "91 release escape\n",
                                                {}, &result);
    // Escape before frame 91: that frame still runs, then the run ends long
    // before the default 600 frames.
    ASSERT_EQ(trace.size(), 92u) << describe(result);

    // 1.5 s at 60 degrees per second: a quarter turn from -z to +x.
    const Vec3 direction = vec3(trace[90].at("direction"));
    EXPECT_NEAR(direction.x, 1.0, 1e-3);
    EXPECT_NEAR(direction.y, 0.0, 1e-3);
    EXPECT_NEAR(direction.z, 0.0, 1e-3);

    // Moving the cursor alone turns nothing; dragging 200 pixels down with
    // the left button tips the camera to the 89-degree limit.
    EXPECT_EQ(trace[10].at("cameraPitch").get<double>(), 0.0);
    EXPECT_EQ(static_cast<float>(trace[11].at("cameraPitch").get<double>()), 1.553343f);
    EXPECT_EQ(trace[11].at("cameraYaw").get<double>(), 0.0);

    const std::regex summary(R"(frames: 92  median: \d+\.\d\d ms  p95: \d+\.\d\d ms)");
    EXPECT_TRUE(std::regex_search(result.output, summary)) << result.output;
}

TEST(ReplayToolGLTest, WalkingIntoACoinCountsIt)
{
    // From the seeded layout: a coin that has fallen and drifted crosses this
    // path (18 degrees right of -z) around frame 150.
    const std::vector<Json> trace =
        replayTrace("coin", "1-18 key right\n19-152 key up\n", {"--frames", "156"});
    ASSERT_EQ(trace.size(), 156u);

    // The trace shows the layout as it starts: frame 0 moves nothing.
    const Vec3 firstCoin = vec3(trace[0].at("coinPositions").at(0));
    EXPECT_NEAR(firstCoin.x, -25.8147, 1e-4);
    EXPECT_NEAR(firstCoin.y, 14.2129, 1e-4);
    EXPECT_NEAR(firstCoin.z, 32.9768, 1e-4);

    std::size_t pickup = 0;
    for (std::size_t frame = 1; frame < trace.size() && pickup == 0; ++frame) {
        if (trace[frame].at("coins").get<double>() == 1.0) {
            pickup = frame;
        } else {
            ASSERT_EQ(trace[frame].at("coins").get<double>(), 0.0) << "frame " << frame;
        }
    }
    ASSERT_NE(pickup, 0u) << "no coin was collected";
    EXPECT_FALSE(trace[pickup].at("screenShown").get<bool>());

    // The coin was really under the player: one frame earlier some coin lay
    // within reach plus one frame's travel of the player's new place, and in
    // the pickup frame that coin had been put back in the air.
    const Vec3 player = vec3(trace[pickup].at("player"));
    const Json& before = trace[pickup - 1].at("coinPositions");
    const Json& after = trace[pickup].at("coinPositions");
    std::size_t taken = before.size();
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (distance(vec3(before[i]), player) < 1.5 + 0.5) {
            taken = i;
        }
    }
    ASSERT_LT(taken, before.size()) << "no coin near the player before the pickup";
    EXPECT_GT(distance(vec3(after[taken]), vec3(before[taken])), 2.0);
    EXPECT_GE(vec3(after[taken]).y, 1.0);
    EXPECT_EQ(trace.back().at("coins").get<double>(), 1.0);
}

TEST(ReplayToolGLTest, ShotIsAPngOfTheWindowShowingTheScene)
{
    const fs::path folder = freshOutputFolder("shot");
    const fs::path shot = folder / "frame2.png";
    const fs::path unwritable = folder / "no" / "such" / "folder.png";
    const ProcessResult result =
        runReplay({"--frames", "3", "--shot", "2:" + shot.string(), "--shot", "1:" + unwritable.string()}, folder);
    // The unwritable second picture fails the run, after it has finished.
    EXPECT_EQ(result.exitStatus, 1) << describe(result);
    EXPECT_NE(result.errors.find("shot of frame 1"), std::string::npos) << result.errors;
    EXPECT_NE(result.output.find("frames: 3 "), std::string::npos) << result.output;
    // Reading the window back raised no GL debug message.
    EXPECT_EQ(result.output.find("OpenGL Error: "), std::string::npos) << result.output;

    int width = 0;
    int height = 0;
    int channels = 0;
    unsigned char* pixels = stbi_load(shot.c_str(), &width, &height, &channels, 4);
    ASSERT_NE(pixels, nullptr) << shot;
    EXPECT_EQ(width, testWindowWidth);
    EXPECT_EQ(height, testWindowHeight);
    EXPECT_EQ(channels, 4);

    // A rendered scene, not a cleared or unread buffer: many colours, all
    // opaque.
    std::set<unsigned> colours;
    bool allOpaque = true;
    for (std::size_t i = 0; i < static_cast<std::size_t>(width) * static_cast<std::size_t>(height); ++i) {
        const unsigned char* pixel = pixels + i * 4;
        colours.insert(pixel[0] << 16 | pixel[1] << 8 | pixel[2]);
        allOpaque = allOpaque && pixel[3] == 255;
    }
    stbi_image_free(pixels);
    EXPECT_GT(colours.size(), 100u);
    EXPECT_TRUE(allOpaque);
}

TEST(ReplayToolGLTest, MalformedScriptLineStopsBeforeStartUp)
{
    const fs::path folder = freshOutputFolder("malformed");
    writeTextFile(folder / "script.txt", "1-60 key up\n# fine so far\n70 key upp\n80 release escape\n");
    const fs::path trace = folder / "trace.jsonl";
    const auto started = std::chrono::steady_clock::now();
    const ProcessResult result =
        runReplay({"--script", (folder / "script.txt").string(), "--trace", trace.string()}, folder, 30);

    EXPECT_EQ(result.exitStatus, 2) << describe(result);
    EXPECT_NE(result.errors.find("line 3: unknown key 'upp'"), std::string::npos) << result.errors;
    // Nothing ran: no trace, no start-up messages, no summary.
    EXPECT_FALSE(fs::exists(trace));
    EXPECT_EQ(result.output, "");
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
}

TEST(ReplayToolGLTest, BadArgumentsPrintUsageAndExitTwo)
{
    const fs::path folder = freshOutputFolder("arguments");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--frames", "0"}, {"--dt", "fast"}, {"--shot", "5"}, {"--bogus"},
          {"--script", (folder / "missing.txt").string()}}) {
        const ProcessResult result = runReplay(args, folder, 30);
        EXPECT_EQ(result.exitStatus, 2) << args[0] << "\n" << describe(result);
        EXPECT_EQ(result.output, "") << args[0];
    }
    const ProcessResult usage = runReplay({"--frames", "0"}, folder, 30);
    EXPECT_NE(usage.errors.find("usage: "), std::string::npos) << usage.errors;
    const ProcessResult help = runReplay({"--help"}, folder, 30);
    EXPECT_EQ(help.exitStatus, 0);
    EXPECT_NE(help.output.find("--script FILE"), std::string::npos) << help.output;
}

TEST(ReplayToolGLTest, PauseAndLostFocusStopTheGameTimerAndPlayGoesOnWithoutAJump)
{
    // P pauses before frame 10 and resumes at 40; the focus goes at 50 and
    // comes back at 60, which alone does not resume: P at 70 does.
    const std::vector<Json> trace = replayTrace(
        "pause", "10 key p\n40 key p\n50 focus out\n60 focus in\n70 key p\n1-90 key up\n", {"--frames", "90"});
    ASSERT_EQ(trace.size(), 90u);
    for (std::size_t frame = 1; frame < trace.size(); ++frame) {
        const bool paused = (frame >= 10 && frame < 40) || (frame >= 50 && frame < 70);
        EXPECT_EQ(trace[frame].at("paused").get<bool>(), paused) << frame;
        const double step = trace[frame].at("gameTimer").get<double>() - trace[frame - 1].at("gameTimer").get<double>();
        // The clock runs on, but the game counts none of it while paused,
        // and the first frame back moves by one ordinary step.
        EXPECT_EQ(static_cast<float>(trace[frame].at("deltaTime").get<double>()), stepSeconds) << frame;
        if (paused) {
            EXPECT_EQ(step, 0.0) << frame;
            EXPECT_EQ(vec3(trace[frame].at("player")).z, vec3(trace[frame - 1].at("player")).z) << frame;
        } else {
            EXPECT_NEAR(step, stepSeconds, 1e-5) << frame;
        }
    }
    EXPECT_NEAR(trace[89].at("gameTimer").get<double>(), 39 * stepSeconds, 1e-4);
}

TEST(ReplayToolGLTest, OneSecondOfTheLeftStickForwardWalksAsFarAsTheUpKey)
{
    const std::vector<Json> trace =
        replayTrace("pad-walk", "1-60 pad axis left_y -1\n61-70 pad axis left_y -0.15\n", {"--frames", "71"});
    ASSERT_EQ(trace.size(), 71u);
    EXPECT_NEAR(vec3(trace[0].at("player")).z - vec3(trace[60].at("player")).z, 15.0, 1e-3);
    // Inside the dead zone the figure stands.
    EXPECT_EQ(vec3(trace[70].at("player")).z, vec3(trace[60].at("player")).z);
}

TEST(ReplayToolGLTest, AReboundJumpKeyJumpsAndTheOldOneNoLonger)
{
    const fs::path folder = freshOutputFolder("rebound-jump");
    std::ofstream(folder / "assets" / "settings.ini", std::ios::app) << "[controls]\njump = j\n";
    writeTextFile(folder / "script.txt", "70 key j\n150 key space\n");
    const ProcessResult result = runReplay({"--script", (folder / "script.txt").string(), "--trace",
                                            (folder / "trace.jsonl").string(), "--frames", "160"},
                                           folder);
    ASSERT_EQ(result.exitStatus, 0) << describe(result);
    const std::vector<Json> trace = readTrace(folder / "trace.jsonl");
    ASSERT_EQ(trace.size(), 160u);
    std::vector<std::size_t> jumps;
    for (std::size_t frame = 0; frame < trace.size(); ++frame) {
        for (const Json& event : trace[frame].at("events")) {
            if (event == "jump") {
                jumps.push_back(frame);
            }
        }
    }
    EXPECT_EQ(jumps, std::vector<std::size_t>{70});
}

TEST(ReplayToolGLTest, ARunThatScalesTheSceneTracesTheScaleOfEveryFrame)
{
    for (const std::string scale : {"0.5", "auto"}) {
        const fs::path folder = freshOutputFolder("render-scale-" + scale);
        std::ofstream(folder / "assets" / "settings.ini", std::ios::app)
            << "[graphics]\nrender_scale = " << scale << "\n";
        writeTextFile(folder / "script.txt", "1-20 key up\n");
        const ProcessResult result = runReplay({"--script", (folder / "script.txt").string(), "--trace",
                                                (folder / "trace.jsonl").string(), "--frames", "30"},
                                               folder);
        ASSERT_EQ(result.exitStatus, 0) << describe(result);
        const std::vector<Json> trace = readTrace(folder / "trace.jsonl");
        ASSERT_EQ(trace.size(), 30u);
        for (const Json& line : trace) {
            ASSERT_TRUE(line.contains("renderScale")) << scale;
            const double traced = line.at("renderScale").get<double>();
            if (scale == "auto") {
                EXPECT_GE(traced, 0.5);
                EXPECT_LE(traced, 1.0);
            } else {
                EXPECT_EQ(traced, 0.5);
            }
        }
    }
}

TEST(ReplayToolGLTest, F12SavesTheShownFrameUnderThePicturesFolder)
{
    // replayTrace makes this folder afresh before the run.
    const fs::path pictures = fs::absolute("e2e-output") / "screenshot" / "pictures";
    ProcessResult result;
    const std::vector<Json> trace =
        replayTrace("screenshot", "5 key f12\n", {"--frames", "8", "--pictures", pictures.string()}, &result);
    ASSERT_EQ(trace.size(), 8u);
    const std::regex saved("Screenshot saved: (.*/pictures/Tavernrush/tavernrush-\\d{8}-\\d{6}\\.png)\n");
    std::smatch match;
    ASSERT_TRUE(std::regex_search(result.output, match, saved)) << result.output;
    int width = 0;
    int height = 0;
    int channels = 0;
    unsigned char* pixels = stbi_load(match[1].str().c_str(), &width, &height, &channels, 4);
    ASSERT_NE(pixels, nullptr) << match[1];
    stbi_image_free(pixels);
    EXPECT_EQ(width, testWindowWidth);
    EXPECT_EQ(height, testWindowHeight);
}

// Every level in the data folder plays by its name, each from its own start
// and with its own items; a name that is no level lists the levels.
TEST(ReplayToolGLTest, EveryLevelPlaysByNameAndAnUnknownOneIsListedAway)
{
    std::set<std::string> starts;
    std::set<std::size_t> coinCounts;
    const std::vector<std::string> levels = levelNames("assets/levels");
    ASSERT_GE(levels.size(), 2u);
    for (const std::string& level : levels) {
        const std::vector<Json> trace = replayTrace("level-" + level, "", {"--frames", "2", "--level", level});
        ASSERT_EQ(trace.size(), 2u) << level;
        starts.insert(trace[0]["player"].dump());
        coinCounts.insert(trace[0]["coinPositions"].size());
    }
    EXPECT_EQ(starts.size(), levels.size()) << "each level starts the player elsewhere";
    EXPECT_GE(coinCounts.size(), 2u);

    const fs::path folder = freshOutputFolder("level-unknown");
    const ProcessResult unknown = runReplay({"--frames", "2", "--level", "nowhere"}, folder);
    EXPECT_EQ(unknown.exitStatus, 2) << describe(unknown);
    std::string listed = "tavernrush-replay: unknown level \"nowhere\"; the levels are:";
    for (const std::string& level : levels) {
        listed += " " + level;
    }
    EXPECT_NE(unknown.errors.find(listed + "\n"), std::string::npos) << describe(unknown);
}

} // namespace
} // namespace tavernrush::e2e
