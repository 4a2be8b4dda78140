#pragma once
// CPU-side vertex data of a generated shape and the five shape generators.

#include <glm/glm.hpp>

#include <cstdint>
#include <vector>

namespace tavernrush {

struct GeometryData {
    std::vector<glm::vec3> positions;
    std::vector<std::uint32_t> indices;
    std::vector<glm::vec3> normals;
    std::vector<glm::vec2> uvs;
};

// Axis-aligned box centred on the origin; 4 vertices per face, outward normals.
GeometryData createBox(float width, float height, float depth);
// The same box seen from inside: inward normals, reversed winding.
GeometryData createInsideOutBox(float width, float height, float depth);
// Capped cylinder about the y axis, 16 segments, centred on the origin.
GeometryData createCylinder(float height, float radius);
// UV sphere; latitudeSegments must be at least 2 for the caps to close.
GeometryData createSphere(unsigned longitudeSegments, float radius, unsigned latitudeSegments);
// Rectangle in the plane y = 0 facing +y.
GeometryData createPlane(float width, float depth);

} // namespace tavernrush
