// What the game keeps for the player: the best time in records.ini and the
// screenshots. Their texts and names are checked as values; the files in a
// folder of the test's own, including the ways a folder can refuse them.

#include "app/Records.h"
#include "app/Screenshots.h"
#include "app/Settings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace tavernrush {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::StartsWith;

long lineCount(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }

class PlayerFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "tavernrush-player-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override { fs::remove_all(folder); }

    static void write(const fs::path& path, const std::string& bytes)
    {
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string read(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::vector<std::string> filesIn(const fs::path& where) const
    {
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(where)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    // The frame of a win with this time and best.
    static FrameScene winFrame(int runTenths, int bestTenths, bool newBest)
    {
        FrameScene scene;
        scene.events.push_back({FrameEventKind::Won});
        scene.winTime = WinTime{runTenths, bestTenths, newBest};
        return scene;
    }

    fs::path folder;
    std::ostringstream log;
};

TEST_F(PlayerFilesTest, RecordsTextReadsBackWhatTheGameWritesAndRefusesAnythingElse)
{
    const RecordsText written = parseRecords(formatRecords(Records{{{"meadow", 316}}}));
    EXPECT_FALSE(written.damaged);
    EXPECT_EQ(written.records.bestOf("meadow"), 316);
    for (const char* empty : {"", "\n  \n", "; no win yet\n[records]\n"}) {
        const RecordsText none = parseRecords(empty);
        EXPECT_FALSE(none.damaged) << empty;
        EXPECT_FALSE(none.records.bestOf("meadow").has_value()) << empty;
    }
    // Keys of later versions do no harm.
    EXPECT_EQ(parseRecords("[records]\nbest_time = 20.5\nfewest_beers = 0\n[other]\nx = y\n").records.bestOf("meadow"),
              205);
    // A hand-edited time finer than a tenth goes to the nearest tenth.
    EXPECT_EQ(parseRecords("[records]\nbest_time = 29.96\n").records.bestOf("meadow"), 300);
    for (const std::string& damaged : std::vector<std::string>{
             "[records]\nbest_time = fast\n", "[records]\nbest_time = -3\n", "[records]\nbest_time = 0\n",
          "[records]\nbest_time = inf\n", "[records]\nbest_time = 12.5s\n", "[records]\nbest_time = 1e9\n",
          "[records]\nbest_time = 20\nbest_time = 30\n", "[records\nbest_time = 20\n", "\x89PNG\r\n\x1a\n",
          std::string("[records]\nbest_time = 20\n\0\n", 26)}) {
        EXPECT_TRUE(parseRecords(damaged).damaged) << damaged;
    }
}

TEST_F(PlayerFilesTest, RecordsLiveUnderTheDataHomeOrTheHomeFolder)
{
    EXPECT_EQ(recordsPathFor("/data", "/home/p"), fs::path("/data/tavernrush/records.ini"));
    EXPECT_EQ(recordsPathFor(nullptr, "/home/p"), fs::path("/home/p/.local/share/tavernrush/records.ini"));
    // A relative XDG_DATA_HOME is invalid and ignored.
    EXPECT_EQ(recordsPathFor("data", "/home/p"), fs::path("/home/p/.local/share/tavernrush/records.ini"));
    EXPECT_FALSE(recordsPathFor(nullptr, nullptr).has_value());
}

TEST_F(PlayerFilesTest, ANewBestIsWrittenWholeAndOnlyANewBest)
{
    const fs::path path = folder / "data" / "tavernrush" / "records.ini";
    RecordKeeper keeper(path, "meadow", log);
    EXPECT_FALSE(keeper.best().has_value());
    keeper.frameShown(winFrame(316, 316, true));
    EXPECT_EQ(parseRecords(read(path)).records.bestOf("meadow"), 316);
    EXPECT_THAT(filesIn(path.parent_path()), ::testing::ElementsAre("records.ini")) << "no temporary file left";

    keeper.frameShown(winFrame(400, 316, false));
    keeper.frameShown(FrameScene{}); // frames without a win
    EXPECT_EQ(parseRecords(read(path)).records.bestOf("meadow"), 316);
    EXPECT_EQ(RecordKeeper(path, "meadow", log).best(), 316);
    EXPECT_EQ(log.str(), "");
}

TEST_F(PlayerFilesTest, EachLevelKeepsItsOwnBestAndAnOldFileIsTheMeadows)
{
    const fs::path path = folder / "records.ini";
    write(path, "[records]\nbest_time = 31.7\n"); // as the game wrote it before it had levels
    RecordKeeper autumn(path, "autumn", log);
    EXPECT_FALSE(autumn.best().has_value());
    autumn.frameShown(winFrame(552, 552, true));
    const Records kept = parseRecords(read(path)).records;
    EXPECT_EQ(kept.bestOf("meadow"), 317);
    EXPECT_EQ(kept.bestOf("autumn"), 552);
    EXPECT_EQ(RecordKeeper(path, "meadow", log).best(), 317);
    EXPECT_EQ(log.str(), "");
}

TEST_F(PlayerFilesTest, ANewBestChangesOnlyItsLineAndKeepsABetterTimeFromAnotherGame)
{
    const fs::path path = folder / "records.ini";
    const std::string handMade = "; kept by hand\n[records]\nbest_time = 40.0 ; slow\nfewest_beers = 0\n\n[later]\nx = y\n";
    write(path, handMade);
    RecordKeeper keeper(path, "meadow", log);
    keeper.frameShown(winFrame(317, 317, true));
    EXPECT_EQ(read(path), "; kept by hand\n[records]\nbest_time = 31.7\nfewest_beers = 0\n\n[later]\nx = y\n");

    // Two games that started with the same file: the slower win, written
    // last, keeps the faster one's time.
    RecordKeeper faster(path, "autumn", log);
    RecordKeeper slower(path, "autumn", log);
    faster.frameShown(winFrame(300, 300, true));
    slower.frameShown(winFrame(350, 350, true));
    EXPECT_EQ(parseRecords(read(path)).records.bestOf("autumn"), 300);
    EXPECT_EQ(slower.best(), 300);
    EXPECT_EQ(parseRecords(read(path)).records.bestOf("meadow"), 317);
    EXPECT_EQ(log.str(), "");
}

TEST_F(PlayerFilesTest, ARecordsLinkIsWrittenThroughAndAPipeIsNeverWaitedOn)
{
    fs::create_directories(folder / "synced");
    write(folder / "synced" / "records.ini", "[records]\nbest_time = 40.0\n");
    fs::create_symlink(fs::path("synced") / "records.ini", folder / "records.ini");
    RecordKeeper linked(folder / "records.ini", "meadow", log);
    EXPECT_EQ(linked.best(), 400);
    linked.frameShown(winFrame(317, 317, true));
    EXPECT_TRUE(fs::is_symlink(folder / "records.ini"));
    EXPECT_EQ(parseRecords(read(folder / "synced" / "records.ini")).records.bestOf("meadow"), 317);
    EXPECT_EQ(log.str(), "");

    // A named pipe in place of the file: refused at once, with one line,
    // and left alone (reading it would wait for a writer for good).
    const fs::path pipe = folder / "pipe.ini";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    RecordKeeper piped(pipe, "meadow", log);
    EXPECT_THAT(log.str(), StartsWith("ERROR: Cannot read the records file '" + pipe.string() + "' (not a regular file)"));
    piped.frameShown(winFrame(317, 317, true));
    EXPECT_EQ(lineCount(log.str()), 1);
    EXPECT_EQ(fs::status(pipe).type(), fs::file_type::fifo);

    std::ostringstream settingsLog;
    const Settings settings = loadSettings(pipe.string(), settingsLog);
    EXPECT_EQ(settingsLog.str(), "ERROR: Failed to load '" + pipe.string() + "'. Using default values instead.\n");
    EXPECT_EQ(settings.width, Settings{}.width);
}

TEST_F(PlayerFilesTest, ADamagedRecordsFileIsKeptAsideNeverOverAnOlderOne)
{
    const fs::path path = folder / "records.ini";
    write(folder / "records.ini.bad", "older damage");
    write(path, "[records]\nbest_time = soon\n");
    RecordKeeper keeper(path, "meadow", log);
    EXPECT_FALSE(keeper.best().has_value());
    EXPECT_EQ(log.str(), "ERROR: The records file '" + path.string() + "' is damaged; it is kept as '" +
                             path.string() + ".bad.2'. Playing on without a best time.\n");
    EXPECT_EQ(read(folder / "records.ini.bad"), "older damage");
    EXPECT_EQ(read(folder / "records.ini.bad.2"), "[records]\nbest_time = soon\n");
    EXPECT_FALSE(fs::exists(path));
    // The next best starts a fresh file.
    keeper.frameShown(winFrame(500, 500, true));
    EXPECT_EQ(parseRecords(read(path)).records.bestOf("meadow"), 500);
}

TEST_F(PlayerFilesTest, RecordsThatCannotBeReadOrWrittenCostOneLineAndNoData)
{
    // A file where the data folder should be: nothing to read, nothing can
    // be written.
    write(folder / "blocked", "a file, not a folder");
    RecordKeeper blocked(folder / "blocked" / "tavernrush" / "records.ini", "meadow", log);
    EXPECT_EQ(log.str(), "");
    blocked.frameShown(winFrame(316, 316, true));
    EXPECT_THAT(log.str(), StartsWith("ERROR: The best time could not be kept: cannot make the folder "));
    EXPECT_EQ(lineCount(log.str()), 1);

    // A folder where the file should be cannot be read, and is left alone.
    std::ostringstream unreadable;
    fs::create_directories(folder / "records-folder" / "records.ini");
    RecordKeeper folderInTheWay(folder / "records-folder" / "records.ini", "meadow", unreadable);
    EXPECT_THAT(unreadable.str(), StartsWith("ERROR: Cannot read the records file "));
    folderInTheWay.frameShown(winFrame(316, 316, true));
    EXPECT_EQ(lineCount(unreadable.str()), 1);
    EXPECT_TRUE(fs::is_directory(folder / "records-folder" / "records.ini"));
}

TEST_F(PlayerFilesTest, PicturesFolderComesFromUserDirsThenTheVariableThenHome)
{
    const std::string userDirs = "# written by xdg-user-dirs-update\n"
                                 "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                                 "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n";
    EXPECT_EQ(picturesFolderFor(userDirs, "/elsewhere", "/home/p"), fs::path("/home/p/Bilder"));
    EXPECT_EQ(picturesFolderFor("XDG_PICTURES_DIR=\"/srv/shots\"\r\n", nullptr, "/home/p"), fs::path("/srv/shots"));
    EXPECT_EQ(picturesFolderFor("XDG_PICTURES_DIR=\"/a\"\nXDG_PICTURES_DIR=\"/b\"\n", nullptr, nullptr),
              fs::path("/b"));
    // Forms the file may not hold are passed over.
    const std::string odd = "XDG_PICTURES_DIR=\"relative/pics\"\nXDG_PICTURES_DIR=$HOME/unquoted\n"
                            "XDG_PICTURES_DIR=\"$HOMEWORK\"\n";
    EXPECT_EQ(picturesFolderFor(odd, "/from/variable", "/home/p"), fs::path("/from/variable"));
    EXPECT_EQ(picturesFolderFor(odd, "relative", "/home/p"), fs::path("/home/p/Pictures"));
    EXPECT_FALSE(picturesFolderFor("", nullptr, nullptr).has_value());
}

TEST_F(PlayerFilesTest, ScreenshotNamesCarryTheTimeAndACounterWhenTaken)
{
    std::tm time{};
    time.tm_year = 2026 - 1900;
    time.tm_mon = 11;
    time.tm_mday = 24;
    time.tm_hour = 9;
    time.tm_min = 5;
    time.tm_sec = 7;
    std::vector<fs::path> taken;
    const auto isTaken = [&](const fs::path& path) { return std::find(taken.begin(), taken.end(), path) != taken.end(); };
    EXPECT_EQ(screenshotPath("/p", time, isTaken), fs::path("/p/tavernrush-20261224-090507.png"));
    taken = {"/p/tavernrush-20261224-090507.png", "/p/tavernrush-20261224-090507-2.png"};
    EXPECT_EQ(screenshotPath("/p", time, isTaken), fs::path("/p/tavernrush-20261224-090507-3.png"));
}

TEST_F(PlayerFilesTest, AScreenshotIsOneLineWhetherItWasSavedOrNot)
{
    std::vector<fs::path> saved;
    std::string problem;
    ScreenshotTaker taker(folder, [&](const fs::path& path) {
        saved.push_back(path);
        return problem;
    }, log);
    taker.frameShown(FrameScene{});
    EXPECT_TRUE(saved.empty());
    FrameScene request;
    request.screenshotRequested = true;
    taker.frameShown(request);
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].parent_path(), folder / "Tavernrush");
    EXPECT_EQ(log.str(), "Screenshot saved: " + saved[0].string() + "\n");

    problem = "could not write it";
    std::ostringstream failed;
    ScreenshotTaker refused(folder, [&](const fs::path&) { return problem; }, failed);
    refused.frameShown(request);
    EXPECT_EQ(failed.str(), "ERROR: The screenshot could not be saved: could not write it. Playing on.\n");

    std::ostringstream nowhere;
    ScreenshotTaker homeless(std::nullopt, [&](const fs::path&) { return std::string(); }, nowhere);
    homeless.frameShown(request);
    EXPECT_THAT(nowhere.str(), HasSubstr("No pictures folder"));
}

} // namespace
} // namespace tavernrush
