#pragma once
// A small JSON reader for checking the replay tool's traces: enough of JSON
// to refuse anything malformed and to look values up by key.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tavernrush::e2e {

struct JsonValue;
using JsonArray = std::vector<JsonValue>;
using JsonObject = std::map<std::string, JsonValue, std::less<>>;

struct JsonValue {
    std::variant<std::nullptr_t, bool, double, std::string, JsonArray, JsonObject> value;
    // Keys in the order they were written.
    std::vector<std::string> keyOrder;

    bool isNumber() const { return std::holds_alternative<double>(value); }
    double number() const { return std::get<double>(value); }
    bool boolean() const { return std::get<bool>(value); }
    const std::string& string() const { return std::get<std::string>(value); }
    const JsonArray& array() const { return std::get<JsonArray>(value); }
    const JsonObject& object() const { return std::get<JsonObject>(value); }
    // Throws std::out_of_range for a missing key.
    const JsonValue& operator[](std::string_view key) const;
};

// The whole text must be one JSON value (surrounding spaces allowed);
// nullopt otherwise.
std::optional<JsonValue> parseJson(std::string_view text);

} // namespace tavernrush::e2e
