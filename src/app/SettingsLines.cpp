#include "app/SettingsLines.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <vector>

namespace tavernrush {
namespace {

std::string_view trimmed(std::string_view text)
{
    const auto isSpace = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && isSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool sameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// One line without its end, and where it ends in the text.
struct Line {
    std::size_t start = 0;
    std::size_t length = 0;
};

std::vector<Line> splitLines(std::string_view text)
{
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::size_t length = end - start;
        if (length > 0 && text[start + length - 1] == '\r') {
            --length;
        }
        lines.push_back({start, length});
        start = end + 1;
    }
    return lines;
}

// The section a "[name]" line opens, if it is one.
std::string_view sectionOf(std::string_view line)
{
    line = trimmed(line);
    if (line.size() < 2 || line.front() != '[') {
        return {};
    }
    const auto close = line.find(']');
    return close == std::string_view::npos ? std::string_view{} : trimmed(line.substr(1, close - 1));
}

bool isEntry(std::string_view line)
{
    const std::string_view content = trimmed(line);
    return !content.empty() && content.front() != ';' && content.front() != '#' && content.front() != '[' &&
           content.find_first_of("=:") != std::string_view::npos;
}

std::string_view keyOf(std::string_view line) { return trimmed(line.substr(0, line.find_first_of("=:"))); }

// The line with its value replaced: the key, the separator and the spaces
// after it stay, and so does an inline comment (" ;" or " #" onwards).
std::string replacedValue(std::string_view line, std::string_view value)
{
    std::size_t valueStart = line.find_first_of("=:") + 1;
    while (valueStart < line.size() && (line[valueStart] == ' ' || line[valueStart] == '\t')) {
        ++valueStart;
    }
    std::size_t valueEnd = line.size();
    for (std::size_t i = valueStart; i < line.size(); ++i) {
        if ((line[i] == ';' || line[i] == '#') && i > valueStart && (line[i - 1] == ' ' || line[i - 1] == '\t')) {
            valueEnd = i;
            while (valueEnd > valueStart && (line[valueEnd - 1] == ' ' || line[valueEnd - 1] == '\t')) {
                --valueEnd;
            }
            break;
        }
    }
    if (valueStart == line.size() && valueStart > 0 && line[valueStart - 1] != ' ') {
        // "key=" stays without a space: "key=value".
        return std::string(line) + std::string(value);
    }
    return std::string(line.substr(0, valueStart)) + std::string(value) + std::string(line.substr(valueEnd));
}

} // namespace

std::string withSetting(std::string_view text, std::string_view section, std::string_view key,
                        std::string_view value)
{
    const std::vector<Line> lines = splitLines(text);
    const auto lineText = [&](const Line& line) { return text.substr(line.start, line.length); };
    bool inSection = false;
    bool sectionSeen = false;
    // Where a new entry goes: after the section's last entry (or its header).
    std::optional<std::size_t> insertAfter;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lineText(lines[i]);
        if (const std::string_view name = sectionOf(line); !name.empty()) {
            inSection = sameName(name, section);
            if (inSection && !sectionSeen) {
                sectionSeen = true;
                insertAfter = i;
            }
            continue;
        }
        if (!inSection || !isEntry(line)) {
            continue;
        }
        if (sameName(keyOf(line), key)) {
            const Line& found = lines[i];
            return std::string(text.substr(0, found.start)) + replacedValue(line, value) +
                   std::string(text.substr(found.start + found.length));
        }
        if (insertAfter) {
            insertAfter = i;
        }
    }
    const std::string entry = std::string(key) + " = " + std::string(value);
    if (!insertAfter) {
        std::string result(text);
        if (!result.empty() && result.back() != '\n') {
            result += '\n';
        }
        if (!result.empty()) {
            result += '\n';
        }
        return result + "[" + std::string(section) + "]\n" + entry + "\n";
    }
    const Line& after = lines[*insertAfter];
    const std::size_t end = after.start + after.length;
    // Keep the file's own line ends: "\r\n" where the line before has one.
    const bool crlf = end < text.size() && text[end] == '\r';
    const std::string newline = crlf ? "\r\n" : "\n";
    const std::size_t lineEnd = end + (crlf ? 2 : (end < text.size() ? 1 : 0));
    std::string result(text.substr(0, lineEnd));
    if (lineEnd == text.size() && (result.empty() || result.back() != '\n')) {
        result += newline;
    }
    return result + entry + newline + std::string(text.substr(lineEnd));
}

} // namespace tavernrush
