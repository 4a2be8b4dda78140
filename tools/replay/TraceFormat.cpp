#include "replay/TraceFormat.h"

#include <cmath>
#include <cstdio>

namespace tavernrush {
namespace {

class JsonObject {
public:
    void number(const char* key, double value) { raw(key, formatTraceNumber(value)); }
    void integer(const char* key, long value) { raw(key, std::to_string(value)); }
    void boolean(const char* key, bool value) { raw(key, value ? "true" : "false"); }
    void vector(const char* key, const glm::vec3& value) { raw(key, vectorText(value)); }

    void vectors(const char* key, const std::vector<glm::vec3>& values)
    {
        std::string list = "[";
        for (std::size_t i = 0; i < values.size(); ++i) {
            list += (i == 0 ? "" : ",") + vectorText(values[i]);
        }
        raw(key, list + "]");
    }

    void pictures(const char* key, const std::vector<Picture>& values)
    {
        std::string list = "[";
        for (std::size_t i = 0; i < values.size(); ++i) {
            // Board names are plain identifiers: nothing to escape.
            list += (i == 0 ? "\"" : ",\"") + std::string(pictureBoardName(values[i])) + "\"";
        }
        raw(key, list + "]");
    }

    void events(const char* key, const std::vector<FrameEventKind>& values)
    {
        std::string list = "[";
        for (std::size_t i = 0; i < values.size(); ++i) {
            // Event names carry no quotes or backslashes.
            list += (i == 0 ? "\"" : ",\"") + std::string(frameEventName(values[i])) + "\"";
        }
        raw(key, list + "]");
    }

    std::string close() { return text_ + "}"; }

    void raw(const char* key, const std::string& value)
    {
        text_ += text_.size() == 1 ? "\"" : ",\"";
        text_ += key;
        text_ += "\":";
        text_ += value;
    }

private:
    static std::string vectorText(const glm::vec3& value)
    {
        return "[" + formatTraceNumber(value.x) + "," + formatTraceNumber(value.y) + "," +
               formatTraceNumber(value.z) + "]";
    }

    std::string text_ = "{";
};

} // namespace

std::string formatTraceNumber(double value)
{
    if (!std::isfinite(value)) {
        return "null";
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", value);
    return text;
}

std::string formatTraceLine(const FrameRecord& record)
{
    JsonObject line;
    line.integer("frame", record.frame);
    line.number("deltaTime", record.deltaTime);
    line.number("gameTimer", record.gameTimer);
    line.boolean("screenShown", record.screenShown);
    line.boolean("paused", record.paused);
    // Screen names and entry ids are plain identifiers: nothing to escape.
    line.raw("menu", record.menu ? "{\"screen\":\"" + record.menu->first + "\",\"item\":\"" +
                                       record.menu->second + "\"}"
                                 : "null");
    line.integer("coins", record.coins);
    line.integer("beers", record.beers);
    line.vector("player", record.player);
    line.vector("direction", record.direction);
    line.boolean("onLadderTop", record.onLadderTop);
    line.boolean("jumpActive", record.jumpActive);
    line.number("jumpCooldown", record.jumpCooldown);
    line.vector("cameraPosition", record.cameraPosition);
    line.number("cameraYaw", record.cameraYaw);
    line.number("cameraPitch", record.cameraPitch);
    line.number("fieldOfView", record.fieldOfView);
    line.boolean("isFullscreen", record.isFullscreen);
    line.integer("frameAnimIndex", record.frameAnimIndex);
    line.pictures("pictures", record.pictures);
    line.events("events", record.events);
    line.vectors("unicorns", record.unicorns);
    line.vectors("beerPositions", record.beerPositions);
    line.vectors("coinPositions", record.coinPositions);
    if (record.renderScale) {
        line.number("renderScale", *record.renderScale);
    }
    return line.close();
}

} // namespace tavernrush
