#include "replay/ReplayOptions.h"

#include "replay/NumberText.h"

#include <cmath>
#include <optional>

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

} // namespace

OptionsParse parseReplayOptions(const std::vector<std::string>& args)
{
    ReplayOptions options;
    bool framesGiven = false;
    bool dtGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (name == "--help" || name == "-h") {
            return HelpRequested{};
        }
        if (name != "--script" && name != "--frames" && name != "--dt" && name != "--trace" && name != "--shot" &&
            name != "--memory-log" && name != "--audio" && name != "--records" && name != "--pictures") {
            return OptionsError{"unknown argument '" + name + "'"};
        }
        if (i + 1 == args.size()) {
            return OptionsError{name + " needs a value"};
        }
        const std::string& value = args[++i];

        // A second value for a single-valued option is a mistake in the
        // calling script; silently taking one of them would hide it.
        if (name == "--script") {
            if (!options.scriptPath.empty() || value.empty()) {
                return OptionsError{"--script takes one non-empty file name"};
            }
            options.scriptPath = value;
        } else if (name == "--trace") {
            if (!options.tracePath.empty() || value.empty()) {
                return OptionsError{"--trace takes one non-empty file name"};
            }
            options.tracePath = value;
        } else if (name == "--audio") {
            if (!options.audioPath.empty() || value.empty()) {
                return OptionsError{"--audio takes one non-empty file name"};
            }
            options.audioPath = value;
        } else if (name == "--memory-log") {
            if (!options.memoryLogPath.empty() || value.empty()) {
                return OptionsError{"--memory-log takes one non-empty file name"};
            }
            options.memoryLogPath = value;
        } else if (name == "--records") {
            if (!options.recordsPath.empty() || value.empty()) {
                return OptionsError{"--records takes one non-empty file name"};
            }
            options.recordsPath = value;
        } else if (name == "--pictures") {
            if (!options.picturesFolder.empty() || value.empty()) {
                return OptionsError{"--pictures takes one non-empty folder name"};
            }
            options.picturesFolder = value;
        } else if (name == "--frames") {
            const std::optional<long> frames = parseWholeNumber(value);
            if (framesGiven || !frames || *frames < 1) {
                return OptionsError{"--frames takes one whole number of at least 1, not '" + value + "'"};
            }
            options.frames = *frames;
            framesGiven = true;
        } else if (name == "--dt") {
            const std::optional<double> dt = parseFiniteNumber(value);
            // The game keeps frame time in single precision: a step that is
            // 0 or infinite there would stall or wreck the game's state.
            if (dtGiven || !dt || !(static_cast<float>(*dt) > 0.0f) || std::isinf(static_cast<float>(*dt))) {
                return OptionsError{"--dt takes one positive number of seconds, not '" + value + "'"};
            }
            options.dt = *dt;
            dtGiven = true;
        } else {
            const std::optional<ShotRequest> shot = parseShot(value);
            if (!shot) {
                return OptionsError{"--shot takes FRAME:FILE.png, not '" + value + "'"};
            }
            options.shots.push_back(*shot);
        }
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
           "       [--memory-log FILE] [--audio FILE.wav] [--records FILE] [--pictures FOLDER]\n"
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
           "                     frames count from 0; A-B is an inclusive range\n"
           "  --frames N         frames to run (default 600)\n"
           "  --dt SECONDS       frame time from frame 1 on (default 1/60; frame 0 has 0; capped at 0.1)\n"
           "  --trace FILE       one JSON object per frame (JSON Lines)\n"
           "  --shot N:FILE.png  the window's image after frame N (repeatable)\n"
           "  --memory-log FILE  lines \"frame residentKiB\" after frame 0, every 100th frame and the last\n"
           "  --audio FILE.wav   the game's mixed sound, 48 kHz 16-bit stereo, dt seconds of it per frame\n"
           "  --records FILE     read and keep the best time in FILE (default: start with none, keep none)\n"
           "  --pictures FOLDER  F12 saves into FOLDER/Tavernrush (default: the player's pictures folder)\n";
}

} // namespace tavernrush
