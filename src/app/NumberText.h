#pragma once
// Strict number reading for script lines and command-line values: the whole
// word must be the number, or there is no number.

#include <optional>
#include <string_view>

namespace tavernrush {

// Digits only: no sign, no spaces, no fraction; nullopt when out of range.
std::optional<long> parseWholeNumber(std::string_view word);

// A finite decimal number with an optional sign ("+2", "-0.5", "1e-3");
// "inf" and "nan" are refused.
std::optional<double> parseFiniteNumber(std::string_view word);

} // namespace tavernrush
