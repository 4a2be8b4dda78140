#include "app/SettingsSaver.h"

#include "app/AtomicFile.h"
#include "app/ConsoleText.h"
#include "app/RegularFile.h"
#include "app/SettingsLines.h"

#include <ostream>
#include <unistd.h>

namespace tavernrush {
namespace {

constexpr std::uintmax_t largestSettingsBytes = 1024 * 1024;

} // namespace

SettingsSaver::SettingsSaver(std::optional<std::filesystem::path> path, std::ostream& log)
    : path_(std::move(path)), log_(log)
{
    if (path_) {
        text_ = readRegularFile(*path_, largestSettingsBytes).text.value_or("");
    }
}

std::optional<std::string> SettingsSaver::whyNotWritable() const
{
    const std::filesystem::path target = linkTarget(*path_);
    std::error_code error;
    const auto writeBits = std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
                           std::filesystem::perms::others_write;
    const std::filesystem::file_status status = std::filesystem::status(target, error);
    // The write bits count even for the superuser, whom access() lets write anything.
    if (std::filesystem::exists(status) &&
        ((status.permissions() & writeBits) == std::filesystem::perms::none || ::access(target.c_str(), W_OK) != 0)) {
        // Renaming over it would work in a writable folder, but the player
        // made the file read-only to keep it as it is.
        return "the file is read-only";
    }
    return std::nullopt;
}

bool SettingsSaver::save(std::string_view section, std::string_view key, std::string_view value)
{
    if (!path_) {
        return true;
    }
    // Read again, so that what another program wrote since is kept.
    const RegularFileRead read = readRegularFile(*path_, largestSettingsBytes);
    const std::string changed = withSetting(read.text.value_or(text_), section, key, value);
    std::optional<std::string> problem = whyNotWritable();
    if (!problem) {
        problem = writeFileAtomically(linkTarget(*path_), changed);
    }
    unsaved_ = problem.has_value();
    if (!problem) {
        text_ = changed;
        return true;
    }
    if (!reported_) {
        reported_ = true;
        log_ << "ERROR: Could not save the settings to '" << printable(path_->string()) << "': " << *problem
             << ". Changes hold until the game ends.\n";
        log_.flush();
    }
    return false;
}

} // namespace tavernrush
