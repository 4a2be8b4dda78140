#include "app/Records.h"

#include "app/AtomicFile.h"
#include "app/FileDescriptor.h"
#include "app/RegularFile.h"
#include "game/LevelFile.h"

#include <ini.h>

#include <fcntl.h>
#include <sys/file.h>

#include <algorithm>
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

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The section a line opens ("[records]" -> "records"), if it opens one.
std::optional<std::string_view> sectionOpened(std::string_view line)
{
    line = trimmed(line);
    if (line.size() < 2 || line.front() != '[') {
        return std::nullopt;
    }
    const auto close = line.find(']');
    return close == std::string_view::npos ? std::nullopt : std::optional(trimmed(line.substr(1, close - 1)));
}

bool isBestTimeLine(std::string_view line)
{
    const auto equals = line.find_first_of("=:");
    return equals != std::string_view::npos && trimmed(line.substr(0, equals)) == bestKey;
}

// Holds an exclusive lock on a folder while the records in it are read and
// written, so two games finishing at once take turns.
class FolderLock {
public:
    explicit FolderLock(const std::filesystem::path& folder)
        : folder_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        if (folder_.get() >= 0) {
            while (::flock(folder_.get(), LOCK_EX) != 0 && errno == EINTR) {
            }
        }
    }

private:
    // Closing it releases the lock.
    FileDescriptor folder_;
};

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

std::string withBestTime(std::string_view text, const std::string& level, int tenths)
{
    if (trimmed(text).empty()) {
        Records records;
        records.bestTenths[level] = tenths;
        return formatRecords(records);
    }
    const std::string wanted = level == defaultLevel ? std::string(section) : std::string(section) + "." + level;
    const std::string bestLine = std::string(bestKey) + " = " + secondsText(tenths);
    std::string result;
    bool inSection = false;
    bool done = false;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = text.substr(start, end - start);
        const bool lineEnds = end < text.size();
        start = end + 1;
        if (const auto opened = sectionOpened(line)) {
            if (inSection && !done) {
                result += bestLine + "\n";
                done = true;
            }
            inSection = *opened == wanted;
        } else if (inSection && !done && isBestTimeLine(line)) {
            result += bestLine + (lineEnds ? "\n" : "");
            done = true;
            continue;
        }
        result += line;
        if (lineEnds) {
            result += '\n';
        }
    }
    if (!done) {
        if (!result.empty() && result.back() != '\n') {
            result += '\n';
        }
        if (!inSection) {
            result += "\n[" + wanted + "]\n";
        }
        result += bestLine + "\n";
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
    const RegularFileRead file = readRegularFile(*path_, largestRecordsBytes);
    if (file.missing) {
        return;
    }
    if (!file.text && !file.tooLarge) {
        log_ << "ERROR: Cannot read the records file '" << name << "' (" << file.problem
             << "). Playing on without a best time." << std::endl;
        mayWrite_ = false;
        return;
    }
    const RecordsText read = file.tooLarge ? RecordsText{Records{}, true} : parseRecords(*file.text);
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
    if (const std::optional<std::string> problem = keepBest(scene.winTime->bestTenths)) {
        log_ << "ERROR: The best time could not be kept: " << *problem << ". Playing on." << std::endl;
    }
}

std::optional<std::string> RecordKeeper::keepBest(int tenths)
{
    if (std::optional<std::string> problem = makeFolderFor(*path_)) {
        return problem;
    }
    const std::filesystem::path target = linkTarget(*path_);
    const FolderLock lock(target.parent_path());
    const RegularFileRead file = readRegularFile(target, largestRecordsBytes);
    std::string text;
    if (file.text) {
        const RecordsText now = parseRecords(*file.text);
        if (now.damaged) {
            // Not the game's any more (edited since the start): kept aside
            // like a damaged file at the start, never written over.
            std::error_code moved;
            std::filesystem::rename(target, asideName(target), moved);
            if (moved) {
                return "'" + target.string() + "' is damaged and cannot be moved aside (" + moved.message() + ")";
            }
        } else {
            text = *file.text;
            // Another game may have won faster since this one started.
            for (const auto& [level, best] : now.records.bestTenths) {
                const auto ours = records_.bestTenths.find(level);
                if (ours == records_.bestTenths.end() || best < ours->second) {
                    records_.bestTenths[level] = best;
                }
            }
        }
    } else if (!file.missing) {
        return "'" + target.string() + "' cannot be read (" + file.problem + ")";
    }
    const int best = std::min(tenths, records_.bestTenths[level_]);
    records_.bestTenths[level_] = best;
    return writeFileAtomically(target, withBestTime(text, level_, best));
}

} // namespace tavernrush
