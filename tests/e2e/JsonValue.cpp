#include "JsonValue.h"

#include <cctype>
#include <charconv>
#include <stdexcept>

namespace tavernrush::e2e {
namespace {

class JsonReader {
public:
    explicit JsonReader(std::string_view text) : text_(text) {}

    std::optional<JsonValue> document()
    {
        std::optional<JsonValue> value = readValue();
        skipSpace();
        if (!value || at_ != text_.size()) {
            return std::nullopt;
        }
        return value;
    }

private:
    void skipSpace()
    {
        while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_])) != 0) {
            ++at_;
        }
    }

    bool take(char expected)
    {
        skipSpace();
        if (at_ < text_.size() && text_[at_] == expected) {
            ++at_;
            return true;
        }
        return false;
    }

    bool takeWord(std::string_view word)
    {
        if (text_.substr(at_, word.size()) == word) {
            at_ += word.size();
            return true;
        }
        return false;
    }

    std::optional<JsonValue> readValue()
    {
        // Deep nesting never occurs in a trace; a limit keeps bad input from
        // exhausting the stack.
        if (++depth_ > 32) {
            return std::nullopt;
        }
        skipSpace();
        std::optional<JsonValue> value;
        if (at_ < text_.size()) {
            const char c = text_[at_];
            if (c == '{') {
                value = readObject();
            } else if (c == '[') {
                value = readArray();
            } else if (c == '"') {
                if (std::optional<std::string> text = readString()) {
                    value = JsonValue{*text, {}};
                }
            } else if (takeWord("true")) {
                value = JsonValue{true, {}};
            } else if (takeWord("false")) {
                value = JsonValue{false, {}};
            } else if (takeWord("null")) {
                value = JsonValue{nullptr, {}};
            } else {
                value = readNumber();
            }
        }
        --depth_;
        return value;
    }

    std::optional<JsonValue> readNumber()
    {
        // JSON numbers: no '+', no leading zeros before digits, no "inf".
        const std::size_t start = at_;
        if (at_ < text_.size() && text_[at_] == '-') {
            ++at_;
        }
        if (at_ >= text_.size() || std::isdigit(static_cast<unsigned char>(text_[at_])) == 0) {
            return std::nullopt;
        }
        if (text_[at_] == '0' && at_ + 1 < text_.size() && std::isdigit(static_cast<unsigned char>(text_[at_ + 1]))) {
            return std::nullopt;
        }
        double number = 0.0;
        const auto [stop, error] = std::from_chars(text_.data() + start, text_.data() + text_.size(), number);
        if (error != std::errc{}) {
            return std::nullopt;
        }
        at_ = static_cast<std::size_t>(stop - text_.data());
        return JsonValue{number, {}};
    }

    std::optional<std::string> readString()
    {
        if (!take('"')) {
            return std::nullopt;
        }
        std::string text;
        while (at_ < text_.size()) {
            const char c = text_[at_++];
            if (c == '"') {
                return text;
            }
            if (static_cast<unsigned char>(c) < 0x20) {
                return std::nullopt;
            }
            if (c == '\\') {
                // Traces hold plain names only; escapes are kept as written.
                if (at_ >= text_.size()) {
                    return std::nullopt;
                }
                text += c;
                text += text_[at_++];
                continue;
            }
            text += c;
        }
        return std::nullopt;
    }

    std::optional<JsonValue> readArray()
    {
        take('[');
        JsonArray items;
        if (take(']')) {
            return JsonValue{items, {}};
        }
        do {
            std::optional<JsonValue> item = readValue();
            if (!item) {
                return std::nullopt;
            }
            items.push_back(std::move(*item));
        } while (take(','));
        if (!take(']')) {
            return std::nullopt;
        }
        return JsonValue{std::move(items), {}};
    }

    std::optional<JsonValue> readObject()
    {
        take('{');
        JsonObject members;
        std::vector<std::string> order;
        if (take('}')) {
            return JsonValue{members, order};
        }
        do {
            skipSpace();
            std::optional<std::string> key = readString();
            if (!key || !take(':')) {
                return std::nullopt;
            }
            std::optional<JsonValue> member = readValue();
            if (!member || !members.emplace(*key, std::move(*member)).second) {
                return std::nullopt; // malformed, or a key written twice
            }
            order.push_back(*key);
        } while (take(','));
        if (!take('}')) {
            return std::nullopt;
        }
        return JsonValue{std::move(members), std::move(order)};
    }

    std::string_view text_;
    std::size_t at_ = 0;
    int depth_ = 0;
};

} // namespace

const JsonValue& JsonValue::operator[](std::string_view key) const
{
    const JsonObject& members = object();
    const auto found = members.find(key);
    if (found == members.end()) {
        throw std::out_of_range("no key " + std::string(key));
    }
    return found->second;
}

std::optional<JsonValue> parseJson(std::string_view text) { return JsonReader(text).document(); }

} // namespace tavernrush::e2e
