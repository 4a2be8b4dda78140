#pragma once
// CPU-side vertex data of a shape, ready for upload; render/Shapes.h makes
// the level's shapes.

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

} // namespace tavernrush
