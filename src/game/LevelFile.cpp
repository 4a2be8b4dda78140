#include "game/LevelFile.h"

#include <ini.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <system_error>

namespace tavernrush {
namespace {

using Entries = std::map<std::string, std::string, std::less<>>;

struct Reading {
    Entries entries;
    std::string duplicate;
};

int onEntry(void* user, const char* section, const char* key, const char* value)
{
    auto& reading = *static_cast<Reading*>(user);
    const std::string id = std::string(section) + "." + key;
    if (!reading.entries.emplace(id, value).second && reading.duplicate.empty()) {
        reading.duplicate = id;
    }
    return 1;
}

// Far beyond any level, near enough that every sum stays finite.
constexpr float worldLimit = 100000.0f;

// Thrown inside the reader only, and turned into the one line it returns.
struct Refusal {
    std::string message;
};

std::string describe(std::string_view id)
{
    const auto dot = id.find('.');
    return "[" + std::string(id.substr(0, dot)) + "] " + std::string(id.substr(dot + 1));
}

class Fields {
public:
    explicit Fields(const Entries& entries) : entries_(entries) {}

    const std::string& text(std::string_view id) const
    {
        const auto found = entries_.find(id);
        if (found == entries_.end() || found->second.empty()) {
            throw Refusal{describe(id) + " is missing"};
        }
        return found->second;
    }

    // Each number must be finite and lie within [lowest, highest].
    std::vector<float> numbers(std::string_view id, std::size_t count, float lowest, float highest) const
    {
        return numbersIn(id, text(id), count, lowest, highest);
    }

    static std::vector<float> numbersIn(std::string_view id, const std::string& source, std::size_t count, float lowest,
                                        float highest)
    {
        std::istringstream words(source);
        std::vector<float> values;
        std::string word;
        while (words >> word) {
            float value = 0.0f;
            const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
            if (error != std::errc{} || end != word.data() + word.size() || !std::isfinite(value)) {
                throw Refusal{describe(id) + " = \"" + source + "\" is not " + countWord(count)};
            }
            if (value < lowest || value > highest) {
                std::ostringstream range;
                range << describe(id) << " = " << word << " is outside " << lowest << " to " << highest;
                throw Refusal{range.str()};
            }
            values.push_back(value);
        }
        if (values.size() != count) {
            throw Refusal{describe(id) + " = \"" + source + "\" is not " + countWord(count)};
        }
        return values;
    }

    float number(std::string_view id, float lowest, float highest) const
    {
        return numbers(id, 1, lowest, highest)[0];
    }

    int whole(std::string_view id, int lowest, int highest) const
    {
        const std::string& value = text(id);
        int result = 0;
        const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), result);
        if (error != std::errc{} || end != value.data() + value.size()) {
            throw Refusal{describe(id) + " = \"" + value + "\" is not a whole number"};
        }
        if (result < lowest || result > highest) {
            throw Refusal{describe(id) + " = " + value + " is outside " + std::to_string(lowest) + " to " +
                          std::to_string(highest)};
        }
        return result;
    }

    glm::vec3 point(std::string_view id) const
    {
        const std::vector<float> v = numbers(id, 3, -worldLimit, worldLimit);
        return {v[0], v[1], v[2]};
    }

    glm::vec2 ground(std::string_view id) const
    {
        const std::vector<float> v = numbers(id, 2, -worldLimit, worldLimit);
        return {v[0], v[1]};
    }

    float distance(std::string_view id) const { return number(id, 0.0f, worldLimit); }

    bool has(std::string_view id) const { return entries_.find(id) != entries_.end(); }

    // "HALF_WIDTH : X Z, X Z, ..." with at least two points.
    GroundPath path(std::string_view id) const
    {
        const std::string& value = text(id);
        const auto colon = value.find(':');
        GroundPath path;
        std::vector<std::string> parts;
        std::string rest = colon == std::string::npos ? std::string() : value.substr(colon + 1);
        for (std::size_t start = 0; start <= rest.size();) {
            const std::size_t comma = std::min(rest.find(',', start), rest.size());
            parts.push_back(rest.substr(start, comma - start));
            start = comma + 1;
        }
        if (colon == std::string::npos || parts.size() < 2) {
            throw Refusal{describe(id) + " = \"" + value + "\" is not \"half-width : x z, x z, ...\""};
        }
        path.halfWidth = numbersIn(id, value.substr(0, colon), 1, 0.0f, worldLimit)[0];
        for (const std::string& part : parts) {
            const std::vector<float> xz = numbersIn(id, part, 2, -worldLimit, worldLimit);
            path.points.emplace_back(xz[0], xz[1]);
        }
        return path;
    }

private:
    static std::string countWord(std::size_t count)
    {
        return count == 1 ? "a number" : std::to_string(count) + " numbers";
    }

    const Entries& entries_;
};

// Items and herds are drawn every frame; a typo of a few zeros must not
// stall the game.
constexpr int mostItems = 1000;

PickupFieldDescription pickupField(const Fields& fields, const std::string& section)
{
    PickupFieldDescription field;
    field.count = fields.whole(section + ".count", 0, mostItems);
    field.seed = static_cast<std::uint32_t>(fields.whole(section + ".seed", 0, 2147483647));
    field.reach = fields.distance(section + ".reach");
    return field;
}

LevelDescription describeLevel(const Fields& fields, const std::string& name)
{
    LevelDescription level;
    level.name = name;
    level.title = fields.text("level.title");
    level.coinsToWin = fields.whole("rules.coins_to_win", 1, mostItems);
    level.beersToLose = fields.whole("rules.beers_to_lose", 1, mostItems);
    level.timeLimitSeconds = fields.number("rules.time_limit_seconds", 1.0f, 3600.0f);
    level.playerStart = fields.point("player.start");
    level.wallCentre = fields.point("wall.centre");
    level.wallRadius = fields.distance("wall.radius");
    level.ladderFoot = fields.point("ladder.foot");
    level.ladderRadius = fields.distance("ladder.radius");
    level.ladderLift = fields.distance("ladder.lift");
    level.ladderTopEdgeZ = fields.number("ladder.top_edge_z", -worldLimit, worldLimit);
    level.toiletHut = fields.point("toilet_hut.position");
    level.toiletReach = fields.distance("toilet_hut.reach");
    level.boardCentre = fields.ground("board.centre");
    level.counterOrbitHeight = fields.distance("counters.orbit_height");
    level.coins = pickupField(fields, "coins");
    level.beers = pickupField(fields, "beers");
    level.unicornCount = fields.whole("unicorns.count", 0, mostItems);
    level.unicornSeed = static_cast<std::uint32_t>(fields.whole("unicorns.seed", 0, 2147483647));
    level.unicornReach = fields.distance("unicorns.reach");
    level.groundSize = fields.number("ground.size", 1.0f, 100000.0f);
    level.groundPicture = fields.text("ground.picture");
    level.groundStyle = fields.text("ground.style");
    level.skyFaces = fields.text("sky.faces");
    level.winPicture = fields.text("pictures.won");
    for (int number = 1; fields.has("ground.path" + std::to_string(number)); ++number) {
        level.groundPaths.push_back(fields.path("ground.path" + std::to_string(number)));
    }
    return level;
}

} // namespace

bool isLevelName(const std::string& name)
{
    return !name.empty() && name.size() <= 64 && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
    });
}

LevelParse parseLevel(std::string_view text, const std::string& name, const std::string& source)
{
    Reading reading;
    const std::string copy(text);
    if (copy.find('\0') != std::string::npos) {
        return LevelFileError{source + ": not a text file"};
    }
    if (const int line = ini_parse_string(copy.c_str(), onEntry, &reading); line != 0) {
        return LevelFileError{source + ": line " + std::to_string(line) + " is not \"key = value\" or [section]"};
    }
    if (!reading.duplicate.empty()) {
        return LevelFileError{source + ": " + describe(reading.duplicate) + " is given twice"};
    }
    try {
        return describeLevel(Fields(reading.entries), name);
    } catch (const Refusal& refusal) {
        return LevelFileError{source + ": " + refusal.message};
    }
}

LevelParse loadLevel(const std::filesystem::path& folder, const std::string& name)
{
    if (!isLevelName(name)) {
        return LevelFileError{"\"" + name + "\" is not a level name (letters a-z, digits, '-' and '_')"};
    }
    const std::filesystem::path path = folder / (name + ".ini");
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return LevelFileError{path.string() + ": no such level file"};
    }
    // Levels are a few hundred bytes; anything this large is not one.
    constexpr std::uintmax_t largestLevelBytes = 1 << 20;
    if (std::filesystem::file_size(path, error) > largestLevelBytes || error) {
        return LevelFileError{path.string() + ": too large for a level file"};
    }
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    if (!file) {
        return LevelFileError{path.string() + ": cannot be read"};
    }
    return parseLevel(content.str(), name, path.string());
}

std::vector<std::string> levelNames(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::filesystem::path& path = entry.path();
        if (path.extension() == ".ini" && isLevelName(path.stem().string())) {
            names.push_back(path.stem().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace tavernrush
