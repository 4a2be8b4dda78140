#include "BadInputCases.h"

#include <stb_image_write.h>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <ostream>
#include <regex>
#include <sstream>

namespace tavernrush::e2e {
namespace {

// Settings that fall back to the default 800 x 800 window: a frame there
// takes some 80 ms, so the replay runs fewer frames, or those four cases
// alone would take two minutes.
constexpr int defaultWindowReplayFrames = 60;
const WindowSize defaultWindow{800, 800};

// --- Settings ---------------------------------------------------------------

BadInputCase settingsCase(std::string name, std::optional<std::string> settings, std::vector<std::string> lines,
                          WindowSize window, std::optional<std::string> title = std::nullopt)
{
    BadInputCase c;
    c.name = "Settings_" + name;
    c.breakTree = [settings](CaseTree& tree) {
        if (settings) {
            tree.write("settings.ini", *settings);
        } else {
            tree.remove("settings.ini");
        }
    };
    c.expectedLines = std::move(lines);
    c.window = window;
    c.title = std::move(title);
    if (window == defaultWindow) {
        c.replayFrames = defaultWindowReplayFrames;
    }
    return c;
}

std::string longTitle()
{
    std::string title;
    while (title.size() < 10000) {
        title += "Tavernrush-";
    }
    title.resize(10000);
    return title;
}

// --- Asset files --------------------------------------------------------------

struct AssetKind {
    std::string name;
    std::string path; // relative to assets/
    std::function<std::vector<std::string>(Damage)> lines;
    std::function<std::string(Damage)> namedFile;
    std::vector<std::string> tolerated;
};

std::function<std::vector<std::string>(Damage)> always(std::string line)
{
    return [line](Damage) { return std::vector<std::string>{line}; };
}

std::function<std::string(Damage)> alwaysNamed(std::string text)
{
    return [text](Damage) { return text; };
}

std::string textureLine(const std::string& path) { return "Texture failed to load at path: " + path; }

const std::string ladderModel = "assets/meshes/leiter.obj";
const std::string phongFragment = "assets/shader/phongPhong.frag";

std::vector<AssetKind> assetKinds()
{
    return {
        {"ObjModel", "meshes/leiter.obj",
         [](Damage damage) {
             using Lines = std::vector<std::string>;
             switch (damage) {
             case Damage::Missing: return Lines{"ERROR::ASSIMP:: Unable to open file \"" + ladderModel + "\"."};
             case Damage::ZeroLength: return Lines{"ERROR::ASSIMP:: OBJ-file is too small. (in '" + ladderModel + "')"};
             default: return Lines{"ERROR::ASSIMP:: No triangles found in '" + ladderModel + "'"};
             }
         },
         alwaysNamed(ladderModel), {}},
        // Assimp reads a broken material file as one without the ladder's
        // material; only a missing one is named, the others show as the
        // material the model asks for and does not get.
        {"MaterialFile", "meshes/leiter.mtl",
         [](Damage damage) {
             const std::string inModel = " (in '" + ladderModel + "')";
             if (damage == Damage::Missing) {
                 return std::vector<std::string>{"ERROR::ASSIMP:: OBJ: Unable to locate material file leiter.mtl" +
                                                 inModel};
             }
             return std::vector<std::string>{
                 "ERROR::ASSIMP:: OBJ: failed to locate material ladder_wood, creating new material" + inModel};
         },
         [](Damage damage) { return damage == Damage::Missing ? std::string("leiter.mtl") : ladderModel; }, {}},
        // Mesh images are named as the material file gives them.
        {"MeshImage", "meshes/leiter_holz.jpg", always(textureLine("leiter_holz.jpg")), alwaysNamed("leiter_holz.jpg"),
         {}},
        {"TexturePicture", "textures/klo.jpg", always(textureLine("assets/textures/klo.jpg")),
         alwaysNamed("assets/textures/klo.jpg"), {}},
        {"DdsPicture", "textures/gras.dds", always(textureLine("assets/textures/gras.dds")),
         alwaysNamed("assets/textures/gras.dds"), {}},
        {"CubeFace", "textures/skybox/right.jpg", always(textureLine("assets/textures/skybox/right.jpg")),
         alwaysNamed("assets/textures/skybox/right.jpg"), {}},
        // A broken stage leaves "phongPhong" unlinked; the game then keeps it
        // out of use, so the only extra line is the driver's own copy of the
        // compile log on its debug output.
        {"ShaderStage", "shader/phongPhong.frag",
         [](Damage damage) {
             if (damage == Damage::Missing) {
                 return std::vector<std::string>{"ERROR: Failed to open shader file '" + phongFragment + "'",
                                                 "ERROR: Shader 'phongPhong' fragment stage failed to compile: ",
                                                 "ERROR: Shader 'phongPhong' link stage failed: "};
             }
             return std::vector<std::string>{
                 "ERROR: Shader 'phongPhong' fragment stage '" + phongFragment + "' failed to compile: ",
                 "ERROR: Shader 'phongPhong' link stage failed: "};
         },
         alwaysNamed(phongFragment),
         {"[Source = Shader Compiler, Type = Error, Severity = High,"}},
        // Picture 02 of the board's sequence is first loaded 0.4 s into play.
        {"AnimationFrame", "frames/Frame02.jpg", always(textureLine("assets/frames/Frame02.jpg")),
         alwaysNamed("assets/frames/Frame02.jpg"), {}},
        {"DigitPicture", "textures/coin0.jpg", always(textureLine("assets/textures/coin0.jpg")),
         alwaysNamed("assets/textures/coin0.jpg"), {}},
        // That one cue stays silent; the rest of the sound plays.
        {"SoundFile", "sounds/coin.ogg",
         [](Damage damage) {
             const std::string why = damage == Damage::Missing     ? "no such file or directory"
                                     : damage == Damage::Truncated ? "a damaged sound file"
                                                                   : "not a sound file";
             return std::vector<std::string>{"Sound failed to load at path: assets/sounds/coin.ogg (" + why + ")"};
         },
         alwaysNamed("assets/sounds/coin.ogg"), {}},
    };
}

// --- Unusual but valid files ------------------------------------------------

std::string withoutLinesStartingWith(const std::string& text, const std::string& start)
{
    std::string kept;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(start, 0) != 0) {
            kept += line + "\n";
        }
    }
    return kept;
}

// Faces "f v/t/n ..." become "f v/t ...".
std::string withoutNormals(const std::string& obj)
{
    return std::regex_replace(withoutLinesStartingWith(obj, "vn "), std::regex("(\\d+)/(\\d+)/\\d+"), "$1/$2");
}

// Faces "f v/t/n ..." become "f v//n ...".
std::string withoutTextureCoordinates(const std::string& obj)
{
    return std::regex_replace(withoutLinesStartingWith(obj, "vt "), std::regex("(\\d+)/\\d+/(\\d+)"), "$1//$2");
}

// The rewritten file must still have faces, and none may keep three indices.
void expectFacesWithTwoIndices(const std::string& obj)
{
    EXPECT_NE(obj.find("\nf "), std::string::npos) << "no faces left";
    EXPECT_FALSE(std::regex_search(obj, std::regex("\\d+/\\d+/\\d+"))) << "a face kept all three indices";
}

// Grey and alpha, the one channel count the OBJ textures leave open.
std::string twoChannelPng()
{
    constexpr int side = 16;
    std::vector<unsigned char> pixels;
    for (int i = 0; i < side * side; ++i) {
        pixels.push_back(static_cast<unsigned char>(i));
        pixels.push_back(255);
    }
    std::string png;
    const auto append = [](void* context, void* data, int size) {
        static_cast<std::string*>(context)->append(static_cast<const char*>(data), static_cast<std::size_t>(size));
    };
    stbi_write_png_to_func(append, &png, side, side, 2, pixels.data(), side * 2);
    EXPECT_FALSE(png.empty()) << "could not write the two-channel PNG";
    return png;
}

} // namespace

void PrintTo(const BadInputCase& c, std::ostream* out) { *out << c.name; }

std::string smallWindowSettings(const std::string& moreLines)
{
    // Games of cases that run side by side take the focus from each other;
    // one that paused for it would never reach what it is to show in play.
    return "[window]\nwidth = " + std::to_string(smallWidth) + "\nheight = " + std::to_string(smallHeight) +
           "\npause_on_focus_loss = false\n" + moreLines;
}

std::vector<BadInputCase> settingsCases()
{
    const WindowSize small{smallWidth, smallHeight};
    const std::string defaultTitle = "Tavernrush";
    std::vector<BadInputCase> cases{
        settingsCase("NoFile", std::nullopt,
                     {"ERROR: Failed to load 'assets/settings.ini'. Using default values instead."}, defaultWindow,
                     defaultTitle),
        // An empty or unreadable file, malformed lines and values that do
        // not convert are not reported: every key silently keeps its default.
        settingsCase("ZeroLength", "", {}, defaultWindow, defaultTitle),
        settingsCase("RandomBytes", randomBytes(4096, 7), {}, defaultWindow, defaultTitle),
        settingsCase("EveryKeyMalformed",
                     "[window\nwidth = 320\n[window]\nwidth = wide\nheight = tall\nrefresh_rate = fast\n"
                     "fullscreen = maybe\ntitle\nbrightness = dim\n",
                     {}, defaultWindow, defaultTitle),
        // 2^32 + 160 and -(2^32) + 120 would pass as 160 and 120 if the
        // values were narrowed to 32 bits before the range check.
        settingsCase("HugeSizes", "[window]\nwidth = 4294967456\nheight = 120\nrefresh_rate = 99999999999999999999\n",
                     {"ERROR: Setting 'width' = 4294967456 is outside 2 to 16384. Using default value 800 instead.",
                      "ERROR: Setting 'refresh_rate' = 9223372036854775807 does not fit. Using default value 60 "
                      "instead."},
                     WindowSize{800, smallHeight}),
        settingsCase("NegativeSizes", "[window]\nwidth = 160\nheight = -4294967176\n",
                     {"ERROR: Setting 'height' = -4294967176 is outside 2 to 16384. Using default value 800 instead."},
                     WindowSize{smallWidth, 800}),
        settingsCase("BrightnessNan", smallWindowSettings("brightness = nan\n"),
                     {"ERROR: Setting 'brightness' = nan is not a finite number. Using default value 1 instead."},
                     small),
        settingsCase("BrightnessInf", smallWindowSettings("brightness = inf\n"),
                     {"ERROR: Setting 'brightness' = inf is not a finite number. Using default value 1 instead."},
                     small),
        settingsCase("LongTitle", smallWindowSettings("title = " + longTitle() + "\n"), {}, small, longTitle()),
        // The reader joins repeated keys with a line end; a number then
        // reads the first value, the title keeps both lines.
        // [controls]: each entry that cannot be used is one line, and its
        // action keeps its default key.
        settingsCase("ControlsUnknownNames", smallWindowSettings("[controls]\njump = jumpkey\npause = escape\nrun = r\n"),
                     {"ERROR: Setting 'jump' = 'jumpkey' in [controls] is not a key name. Using default key 'space' "
                      "instead.",
                      "ERROR: Setting 'pause' = 'escape' in [controls] binds Escape, which always quits. Using default "
                      "key 'p' instead.",
                      "ERROR: Setting 'run' = 'r' in [controls] names no action of the game. It is left out."},
                     small),
        settingsCase("ControlsKeyBoundTwice", smallWindowSettings("[controls]\nforward = d\nleft = x\nright = x\n"),
                     {"ERROR: Setting 'forward' = 'd' in [controls] takes the key of 'darker'. Using default key 'up' "
                      "instead.",
                      "ERROR: Setting 'right' = 'x' in [controls] takes the key of 'left'. Using default key 'right' "
                      "instead."},
                     small),
        // [graphics]: every bad value is one line, unreadable ones too; the
        // ones it takes (a scale chosen each frame, no samples, no glow, the
        // smallest shadow) run without a line.
        settingsCase("GraphicsEveryKeyBad",
                     smallWindowSettings("[graphics]\nrender_scale = 2\nmsaa = 3\nbloom = sometimes\n"
                                         "shadow_size = 100000\n"),
                     {"ERROR: Setting 'render_scale' = 2 is not auto or a number from 0.25 to 1. Using default value "
                      "1 instead.",
                      "ERROR: Setting 'msaa' = 3 is not 0, 2 or 4. Using default value 4 instead.",
                      "ERROR: Setting 'bloom' = sometimes is not true or false. Using default value true instead.",
                      "ERROR: Setting 'shadow_size' = 100000 is not a whole number from 512 to 4096. Using default "
                      "value 1024 instead."},
                     small),
        settingsCase("GraphicsAutomaticScaleWithoutSamplesOrGlow",
                     smallWindowSettings("[graphics]\nrender_scale = auto\nmsaa = 0\nbloom = false\n"
                                         "shadow_size = 512\n"),
                     {}, small),
        settingsCase("DuplicateKeysAndSections",
                     "[window]\nwidth = 160\nheight = 120\ntitle = First\n[window]\nwidth = 320\nheight = 240\n"
                     "title = Second\n",
                     {}, small, "First\nSecond"),
    };
    cases.front().namedFile = "assets/settings.ini";
    for (BadInputCase& c : cases) {
        c.titleMayBeCut = c.name == "Settings_LongTitle";
    }
    return cases;
}

std::vector<BadInputCase> assetCases()
{
    std::vector<BadInputCase> cases;
    for (const AssetKind& kind : assetKinds()) {
        for (const Damage damage : {Damage::Missing, Damage::Truncated, Damage::RandomBytes, Damage::ZeroLength}) {
            BadInputCase c;
            c.name = kind.name + "_" + damageName(damage);
            c.breakTree = [path = kind.path, damage](CaseTree& tree) { applyDamage(tree, path, damage); };
            c.expectedLines = kind.lines(damage);
            c.namedFile = kind.namedFile(damage);
            c.toleratedLines = kind.tolerated;
            cases.push_back(std::move(c));
        }
    }
    return cases;
}

std::vector<BadInputCase> unusualButValidCases()
{
    BadInputCase noNormals;
    noNormals.name = "ObjModel_WithoutNormals";
    noNormals.breakTree = [](CaseTree& tree) {
        const std::string obj = withoutNormals(tree.intactBytes("meshes/leiter.obj"));
        expectFacesWithTwoIndices(obj);
        EXPECT_EQ(obj.find("\nvn "), std::string::npos);
        tree.write("meshes/leiter.obj", obj);
    };
    BadInputCase noUvs;
    noUvs.name = "ObjModel_WithoutTextureCoordinates";
    noUvs.breakTree = [](CaseTree& tree) {
        const std::string obj = withoutTextureCoordinates(tree.intactBytes("meshes/leiter.obj"));
        expectFacesWithTwoIndices(obj);
        EXPECT_EQ(obj.find("\nvt "), std::string::npos);
        tree.write("meshes/leiter.obj", obj);
    };
    BadInputCase greyAlpha;
    greyAlpha.name = "MeshImage_TwoChannelPng";
    greyAlpha.breakTree = [](CaseTree& tree) {
        const std::string mtl = tree.intactBytes("meshes/leiter.mtl");
        ASSERT_NE(mtl.find("map_Kd leiter_holz.jpg"), std::string::npos) << "the ladder's material changed";
        tree.write("meshes/leiter.mtl", std::regex_replace(mtl, std::regex("leiter_holz\\.jpg"), "leiter_grey.png"));
        tree.write("meshes/leiter_grey.png", twoChannelPng());
    };
    return {noNormals, noUvs, greyAlpha};
}

std::vector<std::string> caseHomes(const std::filesystem::path& folder)
{
    return {"XDG_DATA_HOME=" + (folder / "data").string(), "XDG_CONFIG_HOME=" + (folder / "config").string(),
            "XDG_STATE_HOME=" + (folder / "state").string()};
}

namespace {

const std::string recordsFile = "data/tavernrush/records.ini";

void writeFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The replay wins the seeded game with docs/replays/win.replay, in 31.7
// seconds, and keeps its records where the case says.
BadInputCase recordsCase(std::string name, std::function<void(const std::filesystem::path&)> breakFolder)
{
    BadInputCase c;
    c.name = "Records_" + std::move(name);
    c.breakTree = [breakFolder](CaseTree& tree) { breakFolder(tree.folder()); };
    c.replayArguments = {"--script", TAVERNRUSH_WIN_REPLAY, "--dt", "0.1", "--records", "{folder}/" + recordsFile};
    c.replayFrames = 322;
    c.replayExpectedLines = std::vector<std::string>{};
    return c;
}

void expectWonBest(const std::filesystem::path& folder)
{
    EXPECT_NE(readFile(folder / recordsFile).find("\nbest_time = 31.7\n"), std::string::npos)
        << "records after the win:\n" << readFile(folder / recordsFile);
}

// The replay opens on the title, plays, pauses, goes to Options and turns
// the master volume one step down: the change is saved to the case's
// settings file at once.
BadInputCase settingsSaveCase(std::string name, std::string settings)
{
    BadInputCase c;
    c.name = "SettingsSave_" + std::move(name);
    c.breakTree = [settings](CaseTree& tree) { tree.write("settings.ini", settings); };
    c.replayScript = "1 key space\n4 key p\n6 key down\n8 key down\n10 key enter\n12 key left\n";
    c.replayArguments = {"--title", "--settings", "{folder}/assets/settings.ini"};
    c.replayFrames = 16;
    c.replayExpectedLines = std::vector<std::string>{};
    return c;
}

// Comments, blank lines, keys the game does not know and a repeated key
// (the first counts) all come back as they were; only the volume's line
// changes.
const std::string playersSettings = smallWindowSettings() +
                                    "; the player's own note\n"
                                    "my_own_key = my own value\n\n"
                                    "[audio]\n"
                                    "; quiet at night\n"
                                    "volume = 0.5   ; was 0.8\n"
                                    "volume = 0.9\n"
                                    "[mine]\n"
                                    "anything = at all\n";

} // namespace

std::vector<BadInputCase> settingsSaveCases()
{
    BadInputCase roundTrip = settingsSaveCase("KeepsEveryOtherLine", playersSettings);
    roundTrip.afterwards = [](const std::filesystem::path& folder) {
        std::string expected = playersSettings;
        expected.replace(expected.find("volume = 0.5"), 12, "volume = 0.4");
        EXPECT_EQ(readFile(folder / "assets" / "settings.ini"), expected);
    };

    // Read-only: one line, the file as it was, and the game plays on.
    BadInputCase readOnly = settingsSaveCase("ReadOnly", playersSettings);
    readOnly.breakTree = [](CaseTree& tree) {
        tree.write("settings.ini", playersSettings);
        std::filesystem::permissions(tree.folder() / "assets" / "settings.ini", std::filesystem::perms::owner_read);
    };
    readOnly.replayExpectedLines = std::vector<std::string>{"ERROR: Could not save the settings to '"};
    readOnly.replayNamedFile = "settings.ini': the file is read-only. Changes hold until the game ends.";
    readOnly.afterwards = [](const std::filesystem::path& folder) {
        const std::filesystem::path file = folder / "assets" / "settings.ini";
        EXPECT_EQ(readFile(file), playersSettings);
        std::filesystem::permissions(file, std::filesystem::perms::owner_all, std::filesystem::perm_options::add);
    };

    // The file's folder is gone: it is read as missing and cannot be saved.
    BadInputCase vanished = settingsSaveCase("FolderVanished", playersSettings);
    vanished.replayArguments = {"--title", "--settings", "{folder}/gone/settings.ini"};
    vanished.replayExpectedLines = std::vector<std::string>{"ERROR: Failed to load '",
                                                            "ERROR: Could not save the settings to '"};
    vanished.replayNamedFile = "";
    vanished.afterwards = [](const std::filesystem::path& folder) {
        EXPECT_FALSE(std::filesystem::exists(folder / "gone"));
    };
    return {roundTrip, readOnly, vanished};
}

std::vector<BadInputCase> playerFileCases()
{
    const std::string damagedRecords = "[records]\nbest_time = yesterday\n" + randomBytes(64, 11);
    BadInputCase damaged = recordsCase("Damaged", [damagedRecords](const std::filesystem::path& folder) {
        writeFile(folder / recordsFile, damagedRecords);
    });
    damaged.expectedLines = {"ERROR: The records file '"};
    damaged.namedFile = "records.ini.bad";
    damaged.replayNamedFile = "";
    // Kept aside byte for byte; the win then starts a fresh file.
    damaged.afterwards = [damagedRecords](const std::filesystem::path& folder) {
        EXPECT_EQ(readFile(folder / (recordsFile + ".bad")), damagedRecords);
        expectWonBest(folder);
    };

    BadInputCase empty =
        recordsCase("Empty", [](const std::filesystem::path& folder) { writeFile(folder / recordsFile, ""); });
    empty.afterwards = expectWonBest;

    // A file where the data folder should be: nothing can be read there and
    // the new best cannot be kept, which costs one line after the win.
    BadInputCase unwritable = recordsCase("Unwritable", [](const std::filesystem::path& folder) {
        writeFile(folder / "data", "not a folder");
    });
    unwritable.replayExpectedLines = std::vector<std::string>{"ERROR: The best time could not be kept: cannot make the folder "};
    unwritable.replayNamedFile = "data/tavernrush";
    unwritable.afterwards = [](const std::filesystem::path& folder) {
        EXPECT_EQ(readFile(folder / "data"), "not a folder");
    };

    // The player's pictures folder is a file: F12 costs one line and the
    // game goes on.
    BadInputCase pictures;
    pictures.name = "Pictures_Unwritable";
    pictures.breakTree = [](CaseTree& tree) {
        writeFile(tree.folder() / "pictures-file", "not a folder");
        writeFile(tree.folder() / "config" / "user-dirs.dirs",
                  "XDG_PICTURES_DIR=\"" + (tree.folder() / "pictures-file").string() + "\"\n");
    };
    pictures.keysDuringPlay = {"F12"};
    pictures.replayScript = "5 key f12\n";
    pictures.replayFrames = 30;
    pictures.expectedLines = {"ERROR: The screenshot could not be saved: cannot make the folder "};
    pictures.namedFile = "pictures-file/Tavernrush";
    pictures.afterwards = [](const std::filesystem::path& folder) {
        EXPECT_EQ(readFile(folder / "pictures-file"), "not a folder");
    };
    // The disk fills up part-way through the picture (a 4 KB limit on every
    // file the game writes): one line, and nothing left behind, neither a
    // cut-off picture nor its temporary file.
    BadInputCase diskFull;
    diskFull.name = "Pictures_DiskFull";
    diskFull.breakTree = [](CaseTree& tree) {
        writeFile(tree.folder() / "config" / "user-dirs.dirs",
                  "XDG_PICTURES_DIR=\"" + (tree.folder() / "pictures").string() + "\"\n");
    };
    diskFull.fileSizeBlocks = 8;
    diskFull.keysDuringPlay = {"F12"};
    diskFull.replayScript = "5 key f12\n";
    diskFull.replayFrames = 30;
    diskFull.expectedLines = {"ERROR: The screenshot could not be saved: cannot write "};
    diskFull.namedFile = "pictures/Tavernrush/tavernrush-";
    // The run file meets the same limit, and says so in its own line.
    diskFull.toleratedLines = {"ERROR: cannot write the run file '"};
    diskFull.afterwards = [](const std::filesystem::path& folder) {
        EXPECT_TRUE(std::filesystem::is_empty(folder / "pictures" / "Tavernrush"));
    };
    // A file where the state folder should be: the run cannot be kept, which
    // costs one line, and the game plays on.
    BadInputCase runs;
    runs.name = "Runs_Unwritable";
    runs.breakTree = [](CaseTree& tree) { writeFile(tree.folder() / "state", "not a folder"); };
    runs.expectedLines = {"ERROR: Cannot make the run folder '"};
    runs.namedFile = "state/tavernrush/runs";
    runs.replayExpectedLines = std::vector<std::string>{};
    runs.replayNamedFile = "";
    runs.afterwards = [](const std::filesystem::path& folder) { EXPECT_EQ(readFile(folder / "state"), "not a folder"); };
    return {damaged, empty, unwritable, pictures, diskFull, runs};
}

std::vector<RunFileCase> runFileCases()
{
    const std::string good = readFile(TAVERNRUSH_BEST_RUN);
    const auto file = [](std::string bytes) {
        return [bytes](const std::filesystem::path& path) { writeFile(path, bytes); };
    };
    const auto replaced = [&good](const std::string& pattern, const std::string& with) {
        const std::string bytes = std::regex_replace(good, std::regex(pattern), with);
        EXPECT_NE(bytes, good) << pattern;
        return bytes;
    };
    // Cut in the middle of a line, as a copy that ran out of room leaves it.
    const std::size_t middle = good.find(" time ", good.size() / 2) + 3;
    RunFileCase empty{"Empty", file(""), "not a run file"};
    empty.watchOnly = true;
    RunFileCase plain{"PlainScript", file("1-10 key up\n"), "not a run file"};
    plain.watchOnly = true;
    return {
        {"Damaged", file(randomBytes(4096, 23)), "line 1: "},
        {"Truncated", file(good.substr(0, middle)), ": unknown directive 'ti'"},
        empty,
        plain,
        {"FrameSkipped", file(replaced("\n5 time [^\n]*", "")), "time of frame 6 where frame 5's is due"},
        {"HugeFrame", file(replaced("\n0 actions\n", "\n99999999999999999999 actions\n")),
         "expected a frame number or range"},
        {"LevelOutsideTheFolder", file(replaced("level meadow", "level ../../etc/passwd")), "letters, digits"},
        {"ControlCharacters", file(replaced("\n0 actions\n", "\n0 actions \x1b[31mjump\n")), "unknown action '?[31mjump'"},
        {"NoWindow", file(replaced("window [0-9]+ [0-9]+", "window 0 0")), "the window is at least 2 by 2"},
        {"ChecksumCut", file(replaced("pictures=[0-9a-f]+", "pictures=")), "expected PART=HEX"},
        {"Pipe", [](const std::filesystem::path& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0); },
         "not a regular file"},
        {"Folder", [](const std::filesystem::path& path) { std::filesystem::create_directories(path); }, "a folder"},
    };
}

} // namespace tavernrush::e2e
