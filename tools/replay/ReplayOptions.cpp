#include "replay/ReplayOptions.h"

#include "app/CommandLineReader.h"
#include "app/NumberText.h"

#include <cmath>

namespace tavernrush {
namespace {

std::optional<ShotRequest> parseShot(const std::string& value)
{
    const std::size_t colon = value.find(':');
    if (colon == std::string::npos || colon + 1 == value.size()) {
        return std::nullopt;
    }
    const std::optional<long> frame = parseWholeNumber(std::string_view(value).substr(0, colon));
    if (!frame) {
        return std::nullopt;
    }
    return ShotRequest{*frame, value.substr(colon + 1)};
}

// The options that name one file, folder or level.
struct NameOption {
    const char* name;
    const char* what;
    std::string ReplayOptions::*target;
    std::vector<std::string> given;
};

} // namespace

OptionsParse parseReplayOptions(const std::vector<std::string>& args)
{
    std::vector<NameOption> names{{"--script", "file", &ReplayOptions::scriptPath, {}},
                                  {"--trace", "file", &ReplayOptions::tracePath, {}},
                                  {"--memory-log", "file", &ReplayOptions::memoryLogPath, {}},
                                  {"--audio", "file", &ReplayOptions::audioPath, {}},
                                  {"--records", "file", &ReplayOptions::recordsPath, {}},
                                  {"--pictures", "folder", &ReplayOptions::picturesFolder, {}},
                                  {"--best", "file", &ReplayOptions::bestRunPath, {}},
                                  {"--keep-run", "file", &ReplayOptions::keepRunPath, {}},
                                  {"--settings", "file", &ReplayOptions::settingsPath, {}}};
    std::vector<std::string> level;
    std::vector<std::string> frames;
    std::vector<std::string> dt;
    std::vector<std::string> shots;
    CommandLineReader reader("-h,--help");
    for (NameOption& option : names) {
        reader.addValues(option.name, option.given);
    }
    reader.addValues("--level", level);
    reader.addValues("--frames", frames);
    reader.addValues("--dt", dt);
    reader.addValues("--shot", shots);
    bool title = false;
    reader.addFlag("--title", title);
    const CommandLineReader::Outcome outcome = reader.read(args);
    if (outcome.helpAsked) {
        return HelpRequested{};
    }
    if (!outcome.mistake.empty()) {
        return OptionsError{outcome.mistake};
    }

    // A second value for a single-valued option is a mistake in the calling
    // script; silently taking one of them would hide it.
    ReplayOptions options;
    options.title = title;
    for (const NameOption& option : names) {
        if (option.given.size() > 1 || (option.given.size() == 1 && option.given.front().empty())) {
            return OptionsError{std::string(option.name) + " takes one non-empty " + option.what + " name"};
        }
        if (!option.given.empty()) {
            options.*option.target = option.given.front();
        }
    }
    if (level.size() > 1 || (level.size() == 1 && level.front().empty())) {
        return OptionsError{"--level takes one non-empty level name"};
    }
    if (!level.empty()) {
        options.level = level.front();
    }
    if (!frames.empty()) {
        const std::optional<long> count = parseWholeNumber(frames.back());
        if (frames.size() > 1 || !count || *count < 1) {
            return OptionsError{"--frames takes one whole number of at least 1, not '" + frames.back() + "'"};
        }
        options.frames = *count;
    }
    if (!dt.empty()) {
        const std::optional<double> step = parseFiniteNumber(dt.back());
        // The game keeps frame time in single precision: a step that is
        // 0 or infinite there would stall or wreck the game's state.
        if (dt.size() > 1 || !step || !(static_cast<float>(*step) > 0.0f) || std::isinf(static_cast<float>(*step))) {
            return OptionsError{"--dt takes one positive number of seconds, not '" + dt.back() + "'"};
        }
        options.dt = *step;
    }
    for (const std::string& value : shots) {
        const std::optional<ShotRequest> shot = parseShot(value);
        if (!shot) {
            return OptionsError{"--shot takes FRAME:FILE.png, not '" + value + "'"};
        }
        options.shots.push_back(*shot);
    }
    for (const ShotRequest& shot : options.shots) {
        if (shot.frame >= options.frames) {
            return OptionsError{"--shot " + std::to_string(shot.frame) + ":" + shot.path + " lies beyond the " +
                                std::to_string(options.frames) + " frames of the run (frames count from 0)"};
        }
    }
    return options;
}

std::string replayUsage(const std::string& program)
{
    return "usage: " + program +
           " [--script FILE] [--frames N] [--dt SECONDS] [--trace FILE] [--shot N:FILE.png]...\n"
           "       [--memory-log FILE] [--audio FILE.wav] [--records FILE] [--pictures FOLDER] [--level NAME]\n"
           "       [--best FILE] [--keep-run FILE] [--settings FILE] [--title]\n"
           "Runs the game from the current directory's assets/ with scripted input and a fixed\n"
           "frame time, and records what happened.\n"
           "  --script FILE      input script, one directive per line ('#' starts a comment):\n"
           "                       A-B key NAME...          keys held, named as in [controls] (up space a f1 ...)\n"
           "                       A-B cursor X Y           cursor position\n"
           "                       A-B button left|right    mouse button held\n"
           "                       A scroll DY              one wheel event before frame A\n"
           "                       A release escape         Escape released before frame A; the run ends after it\n"
           "                       A focus out|in           the window loses or regains the focus from frame A on\n"
           "                       A-B pad button NAME      a gamepad button held (a b start back dpad_up ...)\n"
           "                       A-B pad axis NAME VALUE  a gamepad axis at -1..1 (left_x left_y right_x\n"
           "                                                right_y left_trigger right_trigger)\n"
           "                     frames count from 0; A-B is an inclusive range. A run file the game\n"
           "                     kept replays with its own level, window and frame times, for as many\n"
           "                     frames as it holds, and stops with status 1 at the first checksum that\n"
           "                     differs\n"
           "  --frames N         frames to run (default 600)\n"
           "  --dt SECONDS       frame time from frame 1 on (default 1/60; frame 0 has 0; capped at 0.1)\n"
           "  --trace FILE       one JSON object per frame (JSON Lines)\n"
           "  --shot N:FILE.png  the window's image after frame N (repeatable)\n"
           "  --memory-log FILE  lines \"frame residentKiB\" after frame 0, every 100th frame and the last\n"
           "  --audio FILE.wav   the game's mixed sound, 48 kHz 16-bit stereo, dt seconds of it per frame\n"
           "  --records FILE     read and keep the best time in FILE (default: start with none, keep none)\n"
           "  --pictures FOLDER  F12 saves into FOLDER/Tavernrush (default: the player's pictures folder)\n"
           "  --level NAME       play the level NAME (default: meadow)\n"
           "  --best FILE        race the last win of the run file FILE as a ghost\n"
           "  --keep-run FILE    keep this replay as a run file FILE, as the game keeps its runs\n"
           "  --settings FILE    read FILE and save the options changed in the menus to it\n"
           "                     (default: read assets/settings.ini, save nothing)\n"
           "  --title            open on the title, with the pause menu and options, as the game does\n";
}

} // namespace tavernrush
