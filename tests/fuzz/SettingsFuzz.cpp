// settings.ini as a person or a broken editor may leave it: whatever the file
// holds, the window gets sizes in range and a finite brightness, the sound
// levels stay between 0 and 1, the [graphics] values are ones the passes take, each fallback is one reported line, and
// settings written back as a file read back the same.

#include "FuzzCheck.h"
#include "app/Settings.h"

#include <ini.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>
#include <string_view>

namespace tavernrush {
namespace {

// loadSettings reads a path; a memory-backed file spares the disk a write
// per input.
class MemoryFile {
public:
    MemoryFile() : fd_(memfd_create("settings.ini", MFD_CLOEXEC)) { FUZZ_CHECK(fd_ >= 0); }
    ~MemoryFile() { close(fd_); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    void replace(const void* data, std::size_t size) const
    {
        FUZZ_CHECK(ftruncate(fd_, 0) == 0);
        FUZZ_CHECK(pwrite(fd_, data, size, 0) == static_cast<ssize_t>(size));
    }
    std::string path() const { return "/proc/self/fd/" + std::to_string(fd_); }

private:
    int fd_;
};

bool inWindowRange(int size) { return size >= minWindowSize && size <= maxWindowSize; }

// A [controls] entry's line: one per entry, checked by the controls target.
bool isControlsLine(std::string_view line)
{
    return line.starts_with("ERROR: Setting '") && line.find("' in [controls] ") != std::string_view::npos;
}

// The keys whose fallback is reported; every report names one of them.
bool isReportLine(std::string_view line)
{
    for (const char* key : {"'width'", "'height'", "'refresh_rate'", "'brightness'", "'volume'", "'music'", "'effects'",
                            "'render_scale'", "'msaa'", "'bloom'", "'shadow_size'"}) {
        if (line.starts_with(std::string("ERROR: Setting ") + key)) {
            return true;
        }
    }
    return false;
}

bool isLevel(float value) { return value >= 0.0f && value <= 1.0f; }

bool takenByThePasses(const GraphicsSettings& graphics)
{
    return graphics.renderScale >= smallestRenderScale && graphics.renderScale <= 1.0f &&
           (graphics.msaa == 0 || graphics.msaa == 2 || graphics.msaa == 4) &&
           graphics.shadowSize >= smallestShadowSize && graphics.shadowSize <= largestShadowSize;
}

// Enough digits for a float to read back exactly.
std::string exactly(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}

std::string asFile(const Settings& settings)
{
    // No spaces around '=': the reader trims them, and a title may begin
    // with ';', which only after a space starts a comment.
    return "[window]\nwidth=" + std::to_string(settings.width) + "\nheight=" + std::to_string(settings.height) +
           "\nrefresh_rate=" + std::to_string(settings.refreshRate) +
           "\nfullscreen=" + (settings.fullscreen ? "true" : "false") + "\ntitle=" + settings.title +
           "\nbrightness=" + exactly(settings.brightness) + "\n[audio]\nvolume=" + exactly(settings.audio.volume) +
           "\nmusic=" + exactly(settings.audio.music) + "\neffects=" + exactly(settings.audio.effects) +
           "\n[graphics]\nrender_scale=" +
           (settings.graphics.automaticScale ? "auto" : exactly(settings.graphics.renderScale)) +
           "\nmsaa=" + std::to_string(settings.graphics.msaa) +
           "\nbloom=" + (settings.graphics.bloom ? "true" : "false") +
           "\nshadow_size=" + std::to_string(settings.graphics.shadowSize) + "\n";
}

bool sameSettings(const Settings& a, const Settings& b)
{
    return a.width == b.width && a.height == b.height && a.refreshRate == b.refreshRate &&
           a.fullscreen == b.fullscreen && a.title == b.title && a.brightness == b.brightness &&
           a.audio.volume == b.audio.volume && a.audio.music == b.audio.music && a.audio.effects == b.audio.effects &&
           a.graphics.automaticScale == b.graphics.automaticScale &&
           (a.graphics.automaticScale || a.graphics.renderScale == b.graphics.renderScale) &&
           a.graphics.msaa == b.graphics.msaa && a.graphics.bloom == b.graphics.bloom &&
           a.graphics.shadowSize == b.graphics.shadowSize;
}

// What a single "title=" line cannot carry: more than the reader's line
// length, a line break (a continuation line joins its value to the one
// before with one) and a ';' after a space, which starts a comment on the
// first line of a value but not on a continuation line.
bool fitsOneLine(const std::string& title)
{
    // The reader cuts lines at INI_MAX_LINE and reads the rest as a line of
    // its own; a long title can only come from continuation lines.
    if (title.size() + std::string_view("title=\n").size() >= INI_MAX_LINE) {
        return false;
    }
    if (title.find('\n') != std::string::npos) {
        return false;
    }
    for (std::size_t k = 1; k < title.size(); ++k) {
        if (title[k] == ';' && std::isspace(static_cast<unsigned char>(title[k - 1])) != 0) {
            return false;
        }
    }
    return true;
}

} // namespace
} // namespace tavernrush

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tavernrush;
    static const MemoryFile file;
    file.replace(data, size);

    std::ostringstream log;
    const Settings settings = loadSettings(file.path(), log);
    FUZZ_CHECK(inWindowRange(settings.width));
    FUZZ_CHECK(inWindowRange(settings.height));
    FUZZ_CHECK(std::isfinite(settings.brightness));
    FUZZ_CHECK(isLevel(settings.audio.volume) && isLevel(settings.audio.music) && isLevel(settings.audio.effects));
    FUZZ_CHECK(takenByThePasses(settings.graphics));

    // The file exists, so no "failed to load" line: only one line per
    // fallback, each naming its key, none of them twice.
    const std::string text = log.str();
    FUZZ_CHECK(text.empty() || text.back() == '\n');
    std::istringstream lines(text);
    int reports = 0;
    for (std::string line; std::getline(lines, line);) {
        if (isControlsLine(line)) {
            continue;
        }
        FUZZ_CHECK(isReportLine(line));
        ++reports;
    }
    FUZZ_CHECK(reports <= 11);

    if (fitsOneLine(settings.title)) {
        const std::string written = asFile(settings);
        file.replace(written.data(), written.size());
        std::ostringstream quiet;
        FUZZ_CHECK(sameSettings(loadSettings(file.path(), quiet), settings));
        FUZZ_CHECK(quiet.str().empty());
    }
    return 0;
}
