#include "app/NumberText.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace tavernrush {

std::optional<long> parseWholeNumber(std::string_view word)
{
    // from_chars would take a leading '-'.
    if (word.empty() || std::isdigit(static_cast<unsigned char>(word.front())) == 0) {
        return std::nullopt;
    }
    long value = 0;
    const char* end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, value);
    if (error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> parseFiniteNumber(std::string_view word)
{
    // from_chars takes no leading '+', which people write for wheel steps.
    if (word.size() > 1 && word.front() == '+' && word[1] != '-') {
        word.remove_prefix(1);
    }
    double value = 0.0;
    const char* end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, value);
    if (word.empty() || error != std::errc{} || stop != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

} // namespace tavernrush
