// The demonstration replays under docs/replays/, run as they are committed:
// each runs cleanly, writes its screenshots and shows at their frames the
// picture its screenshot is named for; the ladder, collect and win replays
// do in their traces what their comments say. The states are reached by
// walking only, so the traces are also checked for counts that rise only
// where the figure reached an item.

#include "DocsReplay.h"
#include "ImageProbe.h"
#include "ImageRun.h"
#include "ImageViewProjection.h"
#include "support/MeadowLevel.h"

#include <gtest/gtest.h>

#include <set>

#include <algorithm>
#include <functional>
#include <map>

namespace tavernrush::e2e {
namespace {

namespace fs = std::filesystem;

const fs::path docsReplayFolder{TAVERNRUSH_DOCS_REPLAY_DIR};

struct DocsRun {
    DocsReplay replay;
    ShotRun run;
};

// Runs docs/replays/<file> with its own arguments, a trace and its shots
// written into e2e-output/<folder>/, in the small test window. Each test
// names its own folder: ctest runs them side by side.
DocsRun runDocsReplay(const std::string& file, const std::string& folder)
{
    DocsRun result;
    const std::optional<DocsReplay> replay = readDocsReplay(docsReplayFolder / file);
    EXPECT_TRUE(replay.has_value()) << "cannot read the header of " << file;
    if (!replay) {
        return result;
    }
    result.replay = *replay;
    result.run.folder = freshOutputFolder(folder);
    std::vector<std::string> args{"--script", replay->script.string(), "--trace",
                                  (result.run.folder / "trace.jsonl").string()};
    args.insert(args.end(), replay->runArguments.begin(), replay->runArguments.end());
    for (const DocsShot& shot : replay->shots) {
        args.push_back("--shot");
        args.push_back(std::to_string(shot.frame) + ":" + (result.run.folder / shot.fileName).string());
    }
    result.run.process = runReplay(args, result.run.folder);
    EXPECT_EQ(result.run.process.exitStatus, 0) << describe(result.run.process);
    EXPECT_EQ(result.run.process.output.find("OpenGL Error"), std::string::npos) << result.run.process.output;
    result.run.trace = readTrace(result.run.folder / "trace.jsonl");
    return result;
}

// The boards each screenshot must catch, by the screenshot's file name; a
// name missing here catches none.
const std::map<std::string, std::vector<std::string>> boardsInShot = {
    // Both toilet tests of the frame draw the board.
    {"toilet-picture.png", {"toiletScreen", "toiletScreen"}},
    {"unicorn-picture.png", {"unicornScreen"}},
    {"time-up-picture.png", {"timeUpScreen"}},
    {"drunk-picture.png", {"drunkScreen"}},
    {"won-picture.png", {"wonScreen"}},
    // The second level's winning replay.
    {"autumn-won.png", {"wonScreen"}},
    // The same pictures with their prompts, in the game as the player gets it.
    {"toilet-prompt.png", {"toiletScreen", "toiletScreen"}},
    {"unicorn-prompt.png", {"unicornScreen"}},
    {"time-up-prompt.png", {"timeUpScreen"}},
    {"drunk-prompt.png", {"drunkScreen"}},
    {"won-prompt.png", {"wonScreen"}},
};

class EveryDocsReplay : public ::testing::TestWithParam<fs::path> {};

TEST_P(EveryDocsReplay, RunsCleanlyAndItsShotsCatchTheirPictures)
{
    const DocsRun docs =
        runDocsReplay(GetParam().filename().string(), "docs-replay-" + GetParam().stem().string());
    ASSERT_FALSE(docs.replay.shots.empty()) << "a demonstration replay without a screenshot";
    for (const DocsShot& shot : docs.replay.shots) {
        SCOPED_TRACE(shot.fileName);
        ASSERT_LT(shot.frame, static_cast<long>(docs.run.trace.size()));
        const std::optional<ScreenImage> image = ScreenImage::load(docs.run.folder / shot.fileName);
        ASSERT_TRUE(image.has_value());
        EXPECT_EQ(image->width(), testWindowWidth);
        EXPECT_EQ(image->height(), testWindowHeight);
        const auto expected = boardsInShot.find(shot.fileName);
        EXPECT_EQ(picturesOf(docs.run.trace[static_cast<std::size_t>(shot.frame)]),
                  expected == boardsInShot.end() ? std::vector<std::string>{} : expected->second);
    }
}

INSTANTIATE_TEST_SUITE_P(DocsReplayGLTest, EveryDocsReplay, ::testing::ValuesIn(docsReplayFiles(docsReplayFolder)),
                         [](const ::testing::TestParamInfo<fs::path>& info) { return info.param.stem().string(); });

TEST(DocsReplayGLTest, EveryPictureOfTheGameHasADocsScreenshot)
{
    std::set<std::string> caught;
    for (const fs::path& file : docsReplayFiles(docsReplayFolder)) {
        const std::optional<DocsReplay> replay = readDocsReplay(file);
        ASSERT_TRUE(replay.has_value()) << file;
        for (const DocsShot& shot : replay->shots) {
            if (const auto boards = boardsInShot.find(shot.fileName); boards != boardsInShot.end()) {
                caught.insert(boards->second.front());
            }
        }
    }
    EXPECT_EQ(caught, (std::set<std::string>{"drunkScreen", "timeUpScreen", "toiletScreen", "unicornScreen",
                                             "wonScreen"}));
}

// The largest distance a coin or a beer covers in one frame of these
// replays (0.1 s): a coin falls 0.7 along each axis and drifts at most 0.4
// along x and z; a beer drifts twice per frame, at most 0.8 along each.
constexpr double itemTravelPerFrame = 1.7;

// A count rises only in a frame that starts with the figure next to an item
// of that kind: within the level's reach of where the item stood a frame
// earlier, give or take one frame of its travel.
void expectEveryPickupNextToAnItem(const std::vector<Json>& trace, const std::string& count,
                                   const std::string& positions, float reach)
{
    for (std::size_t frame = 2; frame < trace.size(); ++frame) {
        if (trace[frame].at(count).get<double>() <= trace[frame - 1].at(count).get<double>()) {
            continue;
        }
        const glm::vec3 player = vec3Of(trace[frame - 1].at("player"));
        double nearest = 1e9;
        for (const Json& item : trace[frame - 1].at(positions)) {
            nearest = std::min(nearest, static_cast<double>(glm::distance(player, vec3Of(item))));
        }
        EXPECT_LT(nearest, static_cast<double>(reach) + itemTravelPerFrame) << count << " rose in frame " << frame;
    }
}

long firstFrameWhere(const std::vector<Json>& trace, const std::function<bool(const Json&)>& holds)
{
    for (std::size_t frame = 0; frame < trace.size(); ++frame) {
        if (holds(trace[frame])) {
            return static_cast<long>(frame);
        }
    }
    return -1;
}

TEST(DocsReplayGLTest, WinReplayEndsWithOnlyTheWinPictureAtTenCoinsAndFourBeers)
{
    const DocsRun docs = runDocsReplay("win.replay", "docs-win-trace");
    const std::vector<Json>& trace = docs.run.trace;
    ASSERT_FALSE(trace.empty());

    // Four beers first: the drunk picture comes with the fourth, alone.
    const long drunk = firstFrameWhere(trace, [](const Json& line) { return line.at("beers").get<double>() >= 4.0; });
    ASSERT_GE(drunk, 0) << "never four beers";
    EXPECT_EQ(trace[static_cast<std::size_t>(drunk)].at("beers").get<double>(), 4.0);
    EXPECT_LT(trace[static_cast<std::size_t>(drunk)].at("coins").get<double>(), 10.0);
    EXPECT_EQ(picturesOf(trace[static_cast<std::size_t>(drunk)]), std::vector<std::string>{"drunkScreen"});

    // Then ten coins: from that frame on only the win board is drawn, with
    // ten coins and still exactly four beers, and the figure stays frozen.
    const long won = firstFrameWhere(trace, [](const Json& line) { return line.at("coins").get<double>() >= 10.0; });
    ASSERT_GT(won, drunk) << "never ten coins after the beers";
    for (std::size_t frame = static_cast<std::size_t>(won); frame < trace.size(); ++frame) {
        EXPECT_EQ(trace[frame].at("coins").get<double>(), 10.0) << frame;
        EXPECT_EQ(trace[frame].at("beers").get<double>(), 4.0) << frame;
        EXPECT_EQ(picturesOf(trace[frame]), std::vector<std::string>{"wonScreen"}) << frame;
        EXPECT_TRUE(trace[frame].at("screenShown").get<bool>()) << frame;
        EXPECT_EQ(vec3Of(trace[frame].at("player")), vec3Of(trace[static_cast<std::size_t>(won)].at("player")))
            << frame;
    }
    // In between, with four beers and fewer coins, the drunk board is up in
    // every frame (F lets the figure walk on under it).
    for (std::size_t frame = static_cast<std::size_t>(drunk); frame < static_cast<std::size_t>(won); ++frame) {
        const std::vector<std::string> boards = picturesOf(trace[frame]);
        ASSERT_FALSE(boards.empty()) << frame;
        EXPECT_EQ(boards.front(), "drunkScreen") << frame;
    }
    for (const Json& line : trace) {
        EXPECT_LE(line.at("beers").get<double>(), 4.0);
    }
    expectEveryPickupNextToAnItem(trace, "coins", "coinPositions", testing::meadow().coins.reach);
    expectEveryPickupNextToAnItem(trace, "beers", "beerPositions", testing::meadow().beers.reach);
}

TEST(DocsReplayGLTest, CollectReplayTakesOneBeerThenOneCoin)
{
    const DocsRun docs = runDocsReplay("collect.replay", "docs-collect-trace");
    const std::vector<Json>& trace = docs.run.trace;
    ASSERT_FALSE(trace.empty());
    const long beer = firstFrameWhere(trace, [](const Json& line) { return line.at("beers").get<double>() > 0.0; });
    const long coin = firstFrameWhere(trace, [](const Json& line) { return line.at("coins").get<double>() > 0.0; });
    ASSERT_GE(beer, 0);
    ASSERT_GT(coin, beer);
    EXPECT_EQ(trace.back().at("beers").get<double>(), 1.0);
    EXPECT_EQ(trace.back().at("coins").get<double>(), 1.0);
    for (const Json& line : trace) {
        EXPECT_TRUE(picturesOf(line).empty()) << "no picture may interrupt the walk";
    }
    expectEveryPickupNextToAnItem(trace, "coins", "coinPositions", testing::meadow().coins.reach);
    expectEveryPickupNextToAnItem(trace, "beers", "beerPositions", testing::meadow().beers.reach);
}

TEST(DocsReplayGLTest, LadderReplayLiftsTheFigureOnceAndDropsItPastTheFarEdge)
{
    const DocsRun docs = runDocsReplay("ladder.replay", "docs-ladder-trace");
    const std::vector<Json>& trace = docs.run.trace;
    ASSERT_FALSE(trace.empty());
    const glm::vec3 ladder{40.0f, 0.0f, -40.0f};

    const long lift = firstFrameWhere(trace, [](const Json& line) { return line.at("onLadderTop").get<bool>(); });
    ASSERT_GT(lift, 0) << "never on the ladder";
    const glm::vec3 before = vec3Of(trace[static_cast<std::size_t>(lift) - 1].at("player"));
    EXPECT_EQ(before.y, 0.0f);
    // The lift comes on the first frame the figure stands within reach of
    // the ladder (4 units), one walking step of 1.5 away at most.
    EXPECT_LT(glm::distance(before, ladder), 4.0f + 1.5f);

    const long off = firstFrameWhere(trace, [&](const Json& line) {
        return line.at("frame").get<double>() > static_cast<double>(lift) && !line.at("onLadderTop").get<bool>();
    });
    ASSERT_GT(off, lift) << "never left the raised level";
    // Up there the figure stays 5 above the ground, whatever the camera does.
    for (std::size_t frame = static_cast<std::size_t>(lift); frame < static_cast<std::size_t>(off); ++frame) {
        EXPECT_EQ(vec3Of(trace[frame].at("player")).y, 5.0f) << frame;
    }
    // It leaves past the far edge and falls back to the ground, once.
    EXPECT_LT(vec3Of(trace[static_cast<std::size_t>(off)].at("player")).z, -44.0f);
    EXPECT_EQ(vec3Of(trace.back().at("player")).y, 0.0f);
    for (std::size_t frame = static_cast<std::size_t>(off); frame < trace.size(); ++frame) {
        EXPECT_FALSE(trace[frame].at("onLadderTop").get<bool>()) << frame;
    }
}

TEST(DocsReplayGLTest, LastSecondsReplayShowsTheCountdownInItsWarningColour)
{
    // Fewer than ten seconds left and the countdown in its warning red: the
    // corner holds strongly red pixels, which the sky there never has.
    const DocsRun last = runDocsReplay("lastseconds.replay", "docs-last-seconds-trace");
    ASSERT_EQ(last.replay.shots.size(), 1u);
    const std::size_t shotFrame = static_cast<std::size_t>(last.replay.shots[0].frame);
    ASSERT_LT(shotFrame, last.run.trace.size());
    const double timer = last.run.trace[shotFrame].at("gameTimer").get<double>();
    EXPECT_GT(timer, 60.0);
    EXPECT_LT(timer, 70.0);
    const std::optional<ScreenImage> image = ScreenImage::load(last.run.folder / last.replay.shots[0].fileName);
    ASSERT_TRUE(image.has_value());
    const PixelBox corner = countdownBox(image->height());
    int red = 0;
    for (int y = corner.top; y < corner.bottom; ++y) {
        for (int x = corner.left; x < corner.right; ++x) {
            const glm::ivec3 rgb = image->pixel(x, y);
            red += rgb.r > 170 && rgb.g < 120 && rgb.b < 110 ? 1 : 0;
        }
    }
    EXPECT_GT(red, 5);
}

TEST(DocsReplayFile, HeaderGivesTheArgumentsAndTheShots)
{
    const fs::path folder = freshOutputFolder("docs-replay-file");
    writeTextFile(folder / "good.replay",
                  "# A walk.\n# run: --dt 0.1 --frames 80 --best {replays}/best.run\n# shot: 58 ladder-top.png\n"
                  "# shot: 0 start.png\n1-6 key right\n");
    const std::optional<DocsReplay> good = readDocsReplay(folder / "good.replay");
    ASSERT_TRUE(good.has_value());
    EXPECT_EQ(good->runArguments,
              (std::vector<std::string>{"--dt", "0.1", "--frames", "80", "--best", (folder / "best.run").string()}));
    ASSERT_EQ(good->shots.size(), 2u);
    EXPECT_EQ(good->shots[0].frame, 58);
    EXPECT_EQ(good->shots[0].fileName, "ladder-top.png");
    EXPECT_EQ(good->shots[1].frame, 0);

    // A header that cannot be run as written is refused rather than guessed.
    for (const char* text : {"# shot: 5 a.png\n", "# run: --frames 9\n# run: --frames 8\n",
                             "# run: --frames 9\n# shot: five a.png\n", "# run: --frames 9\n# shot: 5\n",
                             "# run: --frames 9\n# shot: -5 a.png\n",
                             "# run: --frames 9\n# shot: 99999999999999999999999 a.png\n"}) {
        writeTextFile(folder / "bad.replay", text);
        EXPECT_FALSE(readDocsReplay(folder / "bad.replay").has_value()) << text;
    }
    EXPECT_FALSE(readDocsReplay(folder / "missing.replay").has_value());
}

} // namespace
} // namespace tavernrush::e2e
