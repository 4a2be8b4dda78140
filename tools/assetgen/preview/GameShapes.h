#pragma once
// The game's generated shapes (sphere, capped cylinder, plane) with the same
// vertex order and texture coordinates, as triangle lists for the preview.

#include "preview/Rasterizer.h"

#include <vector>

namespace tavernrush::assetgen {

using TriangleList = std::vector<RasterVertex>; // three vertices per triangle

TriangleList gameSphere(unsigned longitudeSegments, float radius, unsigned latitudeSegments);
TriangleList gameCylinder(float height, float radius);
TriangleList gamePlane(float width, float depth);

// Every vertex placed by the matrix.
TriangleList placed(const TriangleList& triangles, const glm::mat4& placement);

} // namespace tavernrush::assetgen
