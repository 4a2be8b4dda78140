#include "app/Records.h"

#include "app/AtomicFile.h"
#include "game/LevelFile.h"

#include <ini.h>

#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <ostream>
#include <sstream>
#include <system_error>

namespace tavernrush {
namespace {

// The default level's best stands in [records], where the game kept its one
// best time before it had levels, so older files still read; every other
// level has a section [records.NAME].
constexpr const char* section = "records";
constexpr const char* defaultLevel = defaultLevelName;
// The game writes a few lines; a file far larger is not its own, and is
// not read into memory whole.
constexpr std::uintmax_t largestRecordsBytes = 64 * 1024;
constexpr const char* bestKey = "best_time";
// No win takes a million seconds; a larger number is no time the game wrote.
constexpr double longestSeconds = 1e6;

struct Reading {
    std::map<std::string, std::string> best;
    bool repeated = false;
};

// The level a section holds the records of, or nothing for a section that
// is not a level's.
std::optional<std::string> levelOfSection(std::string_view name)
{
    if (name == section) {
        return defaultLevel;
    }
    const std::string prefix = std::string(section) + ".";
    if (!name.starts_with(prefix) || !isLevelName(std::string(name.substr(prefix.size())))) {
        return std::nullopt;
    }
    return std::string(name.substr(prefix.size()));
}

int onEntry(void* user, const char* sectionName, const char* name, const char* value)
{
    auto& reading = *static_cast<Reading*>(user);
    const std::optional<std::string> level = levelOfSection(sectionName);
    if (level && std::strcmp(name, bestKey) == 0) {
        reading.repeated = reading.repeated || reading.best.contains(*level);
        reading.best[*level] = value;
    }
    // Other sections and keys belong to later versions of the game.
    return 1;
}

std::string secondsText(int tenths) { return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10); }

// The whole value must be a finite number of seconds, greater than nothing.
std::optional<int> tenthsOf(const std::string& value)
{
    double seconds = 0.0;
    const char* end = value.data() + value.size();
    const auto [stop, error] = std::from_chars(value.data(), end, seconds);
    if (error != std::errc() || stop != end || !std::isfinite(seconds) || seconds <= 0.0 ||
        seconds >= longestSeconds) {
        return std::nullopt;
    }
    const long tenths = std::lround(seconds * 10.0);
    return tenths > 0 ? std::optional<int>(static_cast<int>(tenths)) : std::nullopt;
}

// records.ini.bad, or the first of .bad.2, .bad.3, ... that is free.
std::filesystem::path asideName(const std::filesystem::path& path)
{
    std::filesystem::path aside = path.string() + ".bad";
    for (int number = 2; std::filesystem::exists(aside) || std::filesystem::is_symlink(aside); ++number) {
        aside = path.string() + ".bad." + std::to_string(number);
    }
    return aside;
}

} // namespace

RecordsText parseRecords(std::string_view text)
{
    RecordsText result;
    // The parser stops at a NUL; the game never writes one.
    if (text.find('\0') != std::string_view::npos) {
        result.damaged = true;
        return result;
    }
    Reading reading;
    const std::string copy(text);
    if (ini_parse_string(copy.c_str(), onEntry, &reading) != 0 || reading.repeated) {
        result.damaged = true;
        return result;
    }
    for (const auto& [level, value] : reading.best) {
        const std::optional<int> tenths = tenthsOf(value);
        if (!tenths) {
            result.damaged = true;
            result.records = Records{};
            return result;
        }
        result.records.bestTenths[level] = *tenths;
    }
    return result;
}

std::optional<int> Records::bestOf(std::string_view level) const
{
    const auto found = bestTenths.find(level);
    return found == bestTenths.end() ? std::nullopt : std::optional<int>(found->second);
}

std::string formatRecords(const Records& records)
{
    std::ostringstream text;
    text << "; Tavernrush keeps the player's records here. The game rewrites this file\n"
            "; after a new best; best_time is the fastest win in seconds, [records]\n"
            "; holding the meadow's and [records.LEVEL] each other level's.\n"
         << '[' << section << "]\n";
    if (const std::optional<int> best = records.bestOf(defaultLevel)) {
        text << bestKey << " = " << secondsText(*best) << '\n';
    }
    for (const auto& [level, tenths] : records.bestTenths) {
        if (level != defaultLevel) {
            text << "\n[" << section << '.' << level << "]\n" << bestKey << " = " << secondsText(tenths) << '\n';
        }
    }
    return text.str();
}

std::optional<std::filesystem::path> recordsPathFor(const char* xdgDataHome, const char* home)
{
    // The base directory rules: a relative path is invalid and ignored.
    std::filesystem::path base;
    if (xdgDataHome != nullptr && std::filesystem::path(xdgDataHome).is_absolute()) {
        base = xdgDataHome;
    } else if (home != nullptr && std::filesystem::path(home).is_absolute()) {
        base = std::filesystem::path(home) / ".local" / "share";
    } else {
        return std::nullopt;
    }
    return base / "tavernrush" / "records.ini";
}

std::optional<std::filesystem::path> playerRecordsPath()
{
    return recordsPathFor(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

RecordKeeper::RecordKeeper(std::optional<std::filesystem::path> path, std::string level, std::ostream& log)
    : path_(std::move(path)), level_(std::move(level)), log_(log)
{
    load();
}

void RecordKeeper::load()
{
    if (!path_) {
        return;
    }
    const std::string name = path_->string();
    std::error_code status;
    if (!std::filesystem::exists(*path_, status) && !status) {
        return;
    }
    std::ifstream file(*path_, std::ios::binary);
    std::string text(largestRecordsBytes + 1, '\0');
    if (file) {
        file.read(text.data(), static_cast<std::streamsize>(text.size()));
        text.resize(static_cast<std::size_t>(file.gcount()));
    }
    if (!file.is_open() || file.bad() || std::filesystem::is_directory(*path_)) {
        log_ << "ERROR: Cannot read the records file '" << name << "'. Playing on without a best time."
             << std::endl;
        mayWrite_ = false;
        return;
    }
    const RecordsText read =
        text.size() > largestRecordsBytes ? RecordsText{Records{}, true} : parseRecords(text);
    if (!read.damaged) {
        records_ = read.records;
        return;
    }
    const std::filesystem::path aside = asideName(*path_);
    std::error_code moved;
    std::filesystem::rename(*path_, aside, moved);
    if (moved) {
        log_ << "ERROR: The records file '" << name << "' is damaged and cannot be moved aside ("
             << moved.message() << "). Playing on without a best time." << std::endl;
        mayWrite_ = false;
        return;
    }
    log_ << "ERROR: The records file '" << name << "' is damaged; it is kept as '" << aside.string()
         << "'. Playing on without a best time." << std::endl;
}

void RecordKeeper::frameShown(const FrameScene& scene)
{
    if (!scene.has(FrameEventKind::Won) || !scene.winTime || !scene.winTime->newBest) {
        return;
    }
    records_.bestTenths[level_] = scene.winTime->bestTenths;
    if (!path_ || !mayWrite_) {
        return;
    }
    std::optional<std::string> problem = makeFolderFor(*path_);
    if (!problem) {
        problem = writeFileAtomically(*path_, formatRecords(records_));
    }
    if (problem) {
        log_ << "ERROR: The best time could not be kept: " << *problem << ". Playing on." << std::endl;
    }
}

} // namespace tavernrush
