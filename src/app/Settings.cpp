#include "app/Settings.h"

#include "app/ConsoleText.h"
#include "app/GraphicsSettingsReader.h"
#include "app/RegularFile.h"

#include <INIReader.h>

#include <climits>
#include <cmath>
#include <ostream>

namespace tavernrush {
namespace {

constexpr const char* section = "window";
constexpr const char* audioSection = "audio";

// Sizes are checked while still a long: narrowing a huge value to 32 bits
// first would turn it into an arbitrary (possibly valid-looking) number.
int readWindowSize(const INIReader& reader, const char* key, int fallback, std::ostream& log)
{
    const long value = reader.GetInteger(section, key, fallback);
    if (value < minWindowSize || value > maxWindowSize) {
        // As written: a number too long for a long reads back as its limit.
        log << "ERROR: Setting '" << key << "' = " << printable(reader.Get(section, key, "")) << " is outside "
            << minWindowSize << " to "
            << maxWindowSize << ". Using default value " << fallback << " instead.\n";
        return fallback;
    }
    return static_cast<int>(value);
}

int readRefreshRate(const INIReader& reader, int fallback, std::ostream& log)
{
    const long value = reader.GetInteger(section, "refresh_rate", fallback);
    if (value < INT_MIN || value > INT_MAX) {
        log << "ERROR: Setting 'refresh_rate' = " << value << " does not fit. Using default value " << fallback
            << " instead.\n";
        return fallback;
    }
    return static_cast<int>(value);
}

// "nan" and "inf" parse as numbers but would poison every lit colour.
float readBrightness(const INIReader& reader, float fallback, std::ostream& log)
{
    const double value = reader.GetReal(section, "brightness", fallback);
    const auto narrowed = static_cast<float>(value);
    if (!std::isfinite(narrowed)) {
        log << "ERROR: Setting 'brightness' = " << printable(reader.Get(section, "brightness", ""))
            << (std::isfinite(value) ? " is too large" : " is not a finite number") << ". Using default value "
            << fallback << " instead.\n";
        return fallback;
    }
    return narrowed;
}

// A loudness factor. NaN would silence the mix for good and anything above
// one would clip it, so both fall back like a bad window size.
float readLevel(const INIReader& reader, const char* key, float fallback, std::ostream& log)
{
    const double value = reader.GetReal(audioSection, key, fallback);
    if (!std::isfinite(value)) {
        log << "ERROR: Setting '" << key << "' = " << value << " is not a finite number. Using default value "
            << fallback << " instead.\n";
        return fallback;
    }
    if (value < 0.0 || value > 1.0) {
        log << "ERROR: Setting '" << key << "' = " << value << " is outside 0 to 1. Using default value " << fallback
            << " instead.\n";
        return fallback;
    }
    return static_cast<float>(value);
}

} // namespace

Settings loadSettings(const std::string& path, std::ostream& log)
{
    // Read once, so that settings coming through a pipe or a file being
    // rewritten give the same text to the window's keys and to [controls].
    constexpr std::uintmax_t largestSettingsBytes = 1024 * 1024;
    const RegularFileRead file = readRegularFile(path, largestSettingsBytes);
    if (!file.text) {
        log << "ERROR: Failed to load '" << path << "'. Using default values instead.\n";
    }
    const std::string text = file.text.value_or("");
    const INIReader reader(text.c_str(), text.size());
    const Settings defaults;
    Settings settings;
    settings.width = readWindowSize(reader, "width", defaults.width, log);
    settings.height = readWindowSize(reader, "height", defaults.height, log);
    settings.refreshRate = readRefreshRate(reader, defaults.refreshRate, log);
    settings.fullscreen = reader.GetBoolean(section, "fullscreen", defaults.fullscreen);
    settings.title = reader.Get(section, "title", defaults.title);
    settings.brightness = readBrightness(reader, defaults.brightness, log);
    settings.vsync = reader.GetBoolean(section, "vsync", defaults.vsync);
    settings.pauseOnFocusLoss = reader.GetBoolean(section, "pause_on_focus_loss", defaults.pauseOnFocusLoss);
    settings.ghost = reader.GetBoolean(section, "ghost", defaults.ghost);
    settings.graphics = readGraphicsSettings(reader, log);
    settings.audio.volume = readLevel(reader, "volume", defaults.audio.volume, log);
    settings.audio.music = readLevel(reader, "music", defaults.audio.music, log);
    settings.audio.effects = readLevel(reader, "effects", defaults.audio.effects, log);
    settings.controls = readControls(text, log);
    return settings;
}

} // namespace tavernrush
