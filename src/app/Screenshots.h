#pragma once
// F12 keeps the shown frame as a PNG in the player's pictures folder, under
// Tavernrush/tavernrush-YYYYMMDD-HHMMSS.png, with one console line saying
// where (or why not). The folder is found the way `xdg-user-dir PICTURES`
// finds it; finding it and naming the file are separate from the saving, so
// both can be tried without a window.

#include "app/FrameLoop.h"

#include <ctime>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace tavernrush {

// The pictures folder: XDG_PICTURES_DIR as user-dirs.dirs sets it
// (`userDirsText`, "$HOME/..." or an absolute path), else the
// XDG_PICTURES_DIR variable, else $HOME/Pictures. Nothing when none of them
// gives an absolute folder. Null pointers stand for unset variables.
std::optional<std::filesystem::path> picturesFolderFor(std::string_view userDirsText, const char* picturesVariable,
                                                       const char* home);
// The same for this player: reads ${XDG_CONFIG_HOME:-~/.config}/user-dirs.dirs.
std::optional<std::filesystem::path> playerPicturesFolder();

// tavernrush-YYYYMMDD-HHMMSS.png in `folder`, or -2, -3, ... before the
// extension while `taken` says the name is in use.
std::filesystem::path screenshotPath(const std::filesystem::path& folder, const std::tm& localTime,
                                     const std::function<bool(const std::filesystem::path&)>& taken);

// Saves the window's image where the frame asks for a screenshot.
class ScreenshotTaker : public FrameListener {
public:
    // Writes the shown image to the path, returning what went wrong or "".
    using ImageSaver = std::function<std::string(const std::filesystem::path&)>;

    // Pictures go to `picturesFolder`/Tavernrush; without a folder each
    // request gets one line saying so.
    ScreenshotTaker(std::optional<std::filesystem::path> picturesFolder, ImageSaver save, std::ostream& log);

    void frameShown(const FrameScene& scene) override;

private:
    std::optional<std::filesystem::path> folder_;
    ImageSaver save_;
    std::ostream& log_;
};

// The saver that reads the current window's back buffer.
ScreenshotTaker::ImageSaver windowImageSaver();

} // namespace tavernrush
