#include "app/Screenshots.h"

#include "app/AtomicFile.h"
#include "app/RegularFile.h"
#include "app/WindowImage.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <ostream>
#include <system_error>

namespace tavernrush {
namespace {

std::optional<std::filesystem::path> absolute(const char* path)
{
    if (path == nullptr || !std::filesystem::path(path).is_absolute()) {
        return std::nullopt;
    }
    return std::filesystem::path(path);
}

// One line of user-dirs.dirs: XDG_PICTURES_DIR="$HOME/Pictures". The file's
// own rules allow only "$HOME/..." and absolute paths, quoted.
std::optional<std::filesystem::path> picturesLine(std::string_view line, const std::optional<std::filesystem::path>& home)
{
    constexpr std::string_view prefix = "XDG_PICTURES_DIR=\"";
    if (line.substr(0, prefix.size()) != prefix || line.size() < prefix.size() + 1 || line.back() != '"') {
        return std::nullopt;
    }
    const std::string_view value = line.substr(prefix.size(), line.size() - prefix.size() - 1);
    constexpr std::string_view homeWord = "$HOME";
    if (value.substr(0, homeWord.size()) == homeWord) {
        const std::string_view rest = value.substr(homeWord.size());
        if (!home || (!rest.empty() && rest.front() != '/')) {
            return std::nullopt;
        }
        return std::filesystem::path(home->string() + std::string(rest));
    }
    if (!value.empty() && value.front() == '/') {
        return std::filesystem::path(std::string(value));
    }
    return std::nullopt;
}

// user-dirs.dirs holds a dozen short lines; a larger file, or anything but
// a file, is not read (one line says so) and the other places are asked.
std::string readUserDirs(const std::filesystem::path& path)
{
    constexpr std::uintmax_t largest = 64 * 1024;
    const RegularFileRead file = readRegularFile(path, largest);
    if (!file.text && !file.missing) {
        std::cout << "ERROR: Cannot read '" << path.string() << "' (" << file.problem
                  << "); looking for the pictures folder elsewhere." << std::endl;
    }
    return file.text.value_or("");
}

} // namespace

std::optional<std::filesystem::path> picturesFolderFor(std::string_view userDirsText, const char* picturesVariable,
                                                       const char* home)
{
    const std::optional<std::filesystem::path> homeFolder = absolute(home);
    std::optional<std::filesystem::path> fromFile;
    std::size_t start = 0;
    while (start <= userDirsText.size()) {
        const std::size_t end = std::min(userDirsText.find('\n', start), userDirsText.size());
        std::string_view line = userDirsText.substr(start, end - start);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
            line.remove_suffix(1);
        }
        // Like the shell that sources the file, the last setting wins.
        if (const auto folder = picturesLine(line, homeFolder)) {
            fromFile = folder;
        }
        start = end + 1;
    }
    if (fromFile) {
        return fromFile;
    }
    if (const auto variable = absolute(picturesVariable)) {
        return variable;
    }
    if (homeFolder) {
        return *homeFolder / "Pictures";
    }
    return std::nullopt;
}

std::optional<std::filesystem::path> playerPicturesFolder()
{
    const char* home = std::getenv("HOME");
    std::filesystem::path config;
    if (const auto configHome = absolute(std::getenv("XDG_CONFIG_HOME"))) {
        config = *configHome;
    } else if (const auto homeFolder = absolute(home)) {
        config = *homeFolder / ".config";
    }
    const std::string userDirs = config.empty() ? std::string() : readUserDirs(config / "user-dirs.dirs");
    return picturesFolderFor(userDirs, std::getenv("XDG_PICTURES_DIR"), home);
}

std::filesystem::path screenshotPath(const std::filesystem::path& folder, const std::tm& localTime,
                                     const std::function<bool(const std::filesystem::path&)>& taken)
{
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &localTime);
    const std::string stem = std::string("tavernrush-") + stamp;
    std::filesystem::path path = folder / (stem + ".png");
    for (int number = 2; taken(path); ++number) {
        path = folder / (stem + "-" + std::to_string(number) + ".png");
    }
    return path;
}

ScreenshotTaker::ScreenshotTaker(std::optional<std::filesystem::path> picturesFolder, ImageSaver save,
                                 std::ostream& log)
    : save_(std::move(save)), log_(log)
{
    if (picturesFolder) {
        folder_ = *picturesFolder / "Tavernrush";
    }
}

void ScreenshotTaker::frameShown(const FrameScene& scene)
{
    if (!scene.screenshotRequested) {
        return;
    }
    if (!folder_) {
        log_ << "ERROR: No pictures folder to keep the screenshot in (HOME is not set). Playing on." << std::endl;
        return;
    }
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const std::filesystem::path path = screenshotPath(*folder_, local, [](const std::filesystem::path& candidate) {
        std::error_code ignored;
        return std::filesystem::exists(candidate, ignored) || std::filesystem::is_symlink(candidate, ignored);
    });
    std::string problem = makeFolderFor(path).value_or("");
    if (problem.empty()) {
        problem = save_(path);
    }
    if (!problem.empty()) {
        log_ << "ERROR: The screenshot could not be saved: " << problem << ". Playing on." << std::endl;
        return;
    }
    log_ << "Screenshot saved: " << path.string() << std::endl;
}

ScreenshotTaker::ImageSaver windowImageSaver()
{
    return [](const std::filesystem::path& path) { return saveWindowImage(path.string(), currentWindowFramebufferSize()); };
}

} // namespace tavernrush
