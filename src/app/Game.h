#pragma once
// The pieces a run of the level is composed of (composeRun in GameRun.h puts
// them together for the game, the replay tool and the benchmark), and the
// game itself.

#include "app/FrameLoop.h"
#include "app/GameWindow.h"
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

// The rules of `level` at their start values, and the start-up physics
// world offered to a debugger (it comes after the camera and before the
// level's programs). `level` must outlive the rules.
FrameRules startRules(const Settings& settings, const LevelDescription& level);

// Runs `loop` until the window closes, with the mouse wheel routed to it.
void runLoop(GameWindow& window, FrameLoop& loop, FrameObserver* observer = nullptr);

inline constexpr const char* soundFolder = asset::soundFolder;

// The game itself, given the command line without the program name;
// returns the exit status (0 after a normal end or --help/--version, 1
// after a start-up failure, 2 for a mistake on the command line).
int runGame(std::span<const std::string> arguments);

} // namespace tavernrush
