#pragma once
// One start-up for every program that plays the level: the game, the replay
// tool and the benchmark compose their run here, in one fixed order, so the
// console lines, the GL objects and every pixel are the same in each. What
// differs (input, clock, an observer, the renderer in front of the game's,
// the sound device, where the player's files go) comes in through
// RunOptions and RunHooks.

#include "app/FrameLoop.h"
#include "app/GameWindow.h"
#include "app/Settings.h"
#include "render/AssetPath.h"

#include <filesystem>
#include <optional>
#include <string>

namespace tavernrush {

class Audio;
class GlSceneRenderer;

enum class RunSound {
    device,   // the player's sound device, or silence with one line
    loopback, // a device that plays nothing aloud; the caller pulls the mix
    none,     // no sound at all (the benchmark)
};

// Where a run reads and keeps the best time and saves F12's screenshots;
// nothing for either keeps none.
struct PlayerFiles {
    std::optional<std::filesystem::path> records;
    std::optional<std::filesystem::path> pictures;
};

struct RunOptions {
    // Names the program in the line that refuses an unknown level.
    std::string program = "tavernrush";
    // Where the files named "assets/..." are read from.
    std::string dataFolder{defaultAssetFolder};
    std::string settingsFile = settingsPath;
    // The level asked for on the command line; none plays the meadow.
    std::optional<std::string> level;
    // Off for the tools that run frames as fast as the machine allows.
    bool vsync = true;
    RunSound sound = RunSound::device;
    // None: the run keeps no best time and takes no screenshots.
    std::optional<PlayerFiles> playerFiles;
    // The window a kept run was played in, instead of the settings' size:
    // the camera's aspect follows it, and the run replays only with it.
    std::optional<glm::ivec2> windowSize;
    // What the menus of a kept run did to its rules, played again without menus.
    std::vector<FromFrame<MenuCommand>> recordedMenus;
    // The player's game: it opens on the title and pausing opens the menu.
    // Off, it starts in play and shows the PAUSED board (the replay tool's
    // default, so every replay keeps its frames).
    bool menus = false;
    // The options changed in the menus are saved to the settings file.
    bool saveSettings = false;
    // With menus: opens on the title; off, straight into play (a level
    // chosen on the title of the run before).
    bool startOnTitle = true;
};

// The parts of a run that differ between the programs, each asked for at
// its place in the order.
class RunHooks {
public:
    virtual ~RunHooks() = default;
    // Right after the game's sound is made; never called without sound.
    virtual void soundMade(Audio&) {}
    // After the renderer: what the loop reads its input and time from.
    virtual const InputSource& input(GameWindow& window, const Settings& settings) = 0;
    virtual Clock& clock() = 0;
    // The options menu bound other keys or changed the pause on focus loss.
    virtual void rebind(const Controls&, bool /*pauseOnFocusLoss*/) {}
    // The title chose another level: true when the caller will start a run
    // of it once this one ends.
    virtual bool playLevel(const std::string& /*name*/) { return false; }
    // The renderer the loop draws with; by default the game's own.
    virtual SceneRenderer& renderer(GlSceneRenderer& game);
    // Runs the loop; the default runs it until the window closes. Anything
    // holding GL objects that a hook made must be released here, while the
    // window and its context live.
    virtual void play(GameWindow& window, FrameLoop& loop);
};

// The level's file, settings, the level's files read ahead, window, sound,
// rules, level, renderer, loop, the player's files; then plays. Returns the
// exit status: 0 after play, 2 for a level name that is no level (the
// known ones are listed), 1 for a broken level file or a window that could
// not open (each prints its line).
int composeRun(const RunOptions& options, RunHooks& hooks);

} // namespace tavernrush
