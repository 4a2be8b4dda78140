#include "app/GraphicsSettingsReader.h"

#include "app/ConsoleText.h"

#include <INIReader.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <ostream>
#include <string>

namespace tavernrush {
namespace {

constexpr const char* section = "graphics";

// A whole number written out in full: "4.5", "4x" and "" are not one.
std::optional<long> wholeNumber(const std::string& text)
{
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text.c_str(), &end, 0);
    if (text.empty() || *end != '\0' || errno == ERANGE) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> realNumber(const std::string& text)
{
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

template <typename Default>
void reportBad(const char* key, const std::string& written, const char* allowed, const Default& fallback,
               std::ostream& log)
{
    log << "ERROR: Setting '" << key << "' = " << printable(written) << " is not " << allowed
        << ". Using default value " << fallback << " instead.\n";
}

void readRenderScale(const INIReader& reader, GraphicsSettings& graphics, std::ostream& log)
{
    const std::string written = reader.Get(section, "render_scale", "");
    if (written.empty() || written == "auto") {
        graphics.automaticScale = !written.empty();
        return;
    }
    const std::optional<double> value = realNumber(written);
    if (!value || *value < smallestRenderScale || *value > 1.0) {
        reportBad("render_scale", written, "auto or a number from 0.25 to 1", graphics.renderScale, log);
        return;
    }
    graphics.renderScale = static_cast<float>(*value);
}

void readMsaa(const INIReader& reader, GraphicsSettings& graphics, std::ostream& log)
{
    const std::string written = reader.Get(section, "msaa", "");
    if (written.empty()) {
        return;
    }
    const std::optional<long> value = wholeNumber(written);
    if (!value || (*value != 0 && *value != 2 && *value != 4)) {
        reportBad("msaa", written, "0, 2 or 4", graphics.msaa, log);
        return;
    }
    graphics.msaa = static_cast<int>(*value);
}

void readBloom(const INIReader& reader, GraphicsSettings& graphics, std::ostream& log)
{
    const std::string written = reader.Get(section, "bloom", "");
    if (written.empty()) {
        return;
    }
    // INIReader's own words for true and false; anything else it would
    // quietly read as the default.
    if (reader.GetBoolean(section, "bloom", true) == reader.GetBoolean(section, "bloom", false)) {
        graphics.bloom = reader.GetBoolean(section, "bloom", true);
        return;
    }
    reportBad("bloom", written, "true or false", graphics.bloom ? "true" : "false", log);
}

void readShadowSize(const INIReader& reader, GraphicsSettings& graphics, std::ostream& log)
{
    const std::string written = reader.Get(section, "shadow_size", "");
    if (written.empty()) {
        return;
    }
    const std::optional<long> value = wholeNumber(written);
    if (!value || *value < smallestShadowSize || *value > largestShadowSize) {
        reportBad("shadow_size", written, "a whole number from 512 to 4096", graphics.shadowSize, log);
        return;
    }
    graphics.shadowSize = static_cast<int>(*value);
}

} // namespace

GraphicsSettings readGraphicsSettings(const INIReader& reader, std::ostream& log)
{
    GraphicsSettings graphics;
    readRenderScale(reader, graphics, log);
    readMsaa(reader, graphics, log);
    readBloom(reader, graphics, log);
    readShadowSize(reader, graphics, log);
    return graphics;
}

} // namespace tavernrush
