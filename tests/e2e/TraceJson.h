#pragma once
// The replay tool's trace lines as nlohmann-json reads them; the keys keep
// the order the tool wrote them in.

#include <nlohmann/json.hpp>

namespace tavernrush::e2e {

using Json = nlohmann::ordered_json;

} // namespace tavernrush::e2e
