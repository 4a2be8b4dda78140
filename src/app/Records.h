#pragma once
// The player's records: the fastest win of each level, kept between runs in
// $XDG_DATA_HOME/tavernrush/records.ini (~/.local/share/... without it).
// The reading and writing of the text are separate from the files, so the
// text can be tried with anything.

#include "app/FrameLoop.h"

#include <filesystem>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace tavernrush {

struct Records {
    // The fastest win of each level by its name, in tenths of a second.
    std::map<std::string, int, std::less<>> bestTenths;

    std::optional<int> bestOf(std::string_view level) const;
};

struct RecordsText {
    Records records;
    // Not what the game writes: keep the file, do not trust it.
    bool damaged = false;
};

// An empty text holds no record and is not damaged.
RecordsText parseRecords(std::string_view text);
std::string formatRecords(const Records& records);
// `text` (a records file as read, perhaps written by another version of the
// game or edited by hand) with the level's best time set to `tenths`: only
// that line changes, or is added to the level's section (made at the end
// where there is none); comments, order and every other key stay.
std::string withBestTime(std::string_view text, const std::string& level, int tenths);

// Where the records live, from the values of XDG_DATA_HOME and HOME (null
// where unset); nothing when neither gives an absolute folder.
std::optional<std::filesystem::path> recordsPathFor(const char* xdgDataHome, const char* home);
std::optional<std::filesystem::path> playerRecordsPath();

// Keeps the records file of one run of the level `level`. Reads it when made: a missing file is
// no record; a damaged one is moved aside to records.ini.bad (or .bad.2, ...,
// never over an older one) with one line on `log`; one that cannot be read
// gets one line. Play goes on without a record in each case, and a file that
// could not be read or moved aside is never written over.
class RecordKeeper : public FrameListener {
public:
    RecordKeeper(std::optional<std::filesystem::path> path, std::string level, std::ostream& log);

    const Records& records() const { return records_; }
    // The best win of this run's level.
    std::optional<int> best() const { return records_.bestOf(level_); }

    // After a new best win, writes it (see AtomicFile.h), through a symbolic
    // link to its target. The file is read again under a lock first, so a
    // better time another game wrote meanwhile is kept, and so is everything
    // in it this version does not know. A failure is one line and the game
    // goes on.
    void frameShown(const FrameScene& scene) override;

private:
    void load();
    // Writes the level's best into the file; what went wrong, or nothing.
    std::optional<std::string> keepBest(int tenths);

    std::optional<std::filesystem::path> path_;
    std::string level_;
    std::ostream& log_;
    Records records_;
    bool mayWrite_ = true;
};

} // namespace tavernrush
