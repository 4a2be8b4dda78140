#pragma once
// Coarse coastlines of the continents and larger islands, as (longitude,
// latitude) polygons in degrees, typed in by hand at a few degrees of detail:
// enough for a recognisable globe the size of a marble.

#include <glm/glm.hpp>

#include <vector>

namespace tavernrush::assetgen {

using Outline = std::vector<glm::vec2>;

const std::vector<Outline>& landOutlines();
// Inland seas cut out of the land afterwards.
const std::vector<Outline>& inlandSeaOutlines();

} // namespace tavernrush::assetgen
