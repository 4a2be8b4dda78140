#pragma once
// The pieces every program that plays the level composes: the game, the
// replay tool and the benchmark each read as
//   settings -> window -> rules -> level -> renderer -> loop.

#include "app/FrameLoop.h"
#include "app/GameWindow.h"
#include "app/Records.h"
#include "app/Screenshots.h"
#include "app/LevelSettingsFrom.h"
#include "app/Settings.h"
#include "game/AssetTable.h"
#include "game/FrameRules.h"

#include <memory>
#include <span>
#include <string>

namespace tavernrush {

// `path` ("assets/settings.ini" unless chosen otherwise), or every default
// with one line saying so.
Settings loadGameSettings(const std::string& path = settingsPath);

// The same settings with vsync off, for the tools that run frames as fast
// as the machine allows (replay, benchmark).
Settings withoutVsync(Settings settings);

// The window with its context; on failure prints the line, waits for a key
// where a person is at the terminal, and returns null.
std::unique_ptr<GameWindow> openGameWindow(const Settings& settings);

// The rules at their start values, and the start-up physics world offered to
// a debugger (it comes after the camera and before the level's programs).
FrameRules startRules(const Settings& settings);

// Runs `loop` until the window closes, with the mouse wheel routed to it.
void runLoop(GameWindow& window, FrameLoop& loop, FrameObserver* observer = nullptr);

// What the loop keeps for the player: the best time (read now and handed to
// the rules, written after a new best) and the screenshots.
struct PlayerKeepers {
    RecordKeeper records;
    ScreenshotTaker screenshots;
};
// Both start listening to `loop` and must outlive its run.
void keepForPlayer(PlayerKeepers& keepers, FrameLoop& loop, FrameRules& rules);

inline constexpr const char* soundFolder = asset::soundFolder;

// The game itself, given the command line without the program name;
// returns the exit status (0 after a normal end or --help/--version, 1
// after a start-up failure, 2 for a mistake on the command line).
int runGame(std::span<const std::string> arguments);

} // namespace tavernrush
