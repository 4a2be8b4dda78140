// Mesh storage and whole-mesh operations.
#include "Mesh.h"

#include <limits>
#include <utility>

namespace tavernrush::assetgen {

PictureRegion PictureRegion::sub(glm::vec2 stMin, glm::vec2 stMax) const
{
    const glm::vec2 a = at(stMin);
    const glm::vec2 b = at(stMax);
    return {glm::min(a, b), glm::max(a, b)};
}

Mesh::Mesh(std::string name, std::string material)
    : name_(std::move(name))
    , material_(std::move(material))
{
}

glm::vec3 faceNormal(const glm::vec3& a, const glm::vec3& b, const glm::vec3& c)
{
    const glm::vec3 n = glm::cross(b - a, c - a);
    const float length = glm::length(n);
    return length > 1e-12f ? n / length : glm::vec3(0.0f, 1.0f, 0.0f);
}

void Mesh::addPolygon(const std::vector<Vertex>& corners, bool flat)
{
    if (corners.size() < 3) {
        return;
    }
    glm::vec3 normal(0.0f);
    if (flat) {
        // Newell's method copes with slightly non-planar quads.
        for (std::size_t i = 0; i < corners.size(); ++i) {
            const glm::vec3& p = corners[i].position;
            const glm::vec3& q = corners[(i + 1) % corners.size()].position;
            normal += glm::vec3((p.y - q.y) * (p.z + q.z), (p.z - q.z) * (p.x + q.x), (p.x - q.x) * (p.y + q.y));
        }
        const float length = glm::length(normal);
        normal = length > 1e-12f ? normal / length : glm::vec3(0.0f, 1.0f, 0.0f);
    }
    const auto base = static_cast<std::uint32_t>(vertices_.size());
    for (const Vertex& corner : corners) {
        Vertex v = corner;
        if (flat) {
            v.normal = normal;
        }
        vertices_.push_back(v);
    }
    for (std::uint32_t i = 1; i + 1 < corners.size(); ++i) {
        indices_.insert(indices_.end(), {base, base + i, base + i + 1});
    }
}

void Mesh::addTriangle(const Vertex& a, const Vertex& b, const Vertex& c, bool flat)
{
    addPolygon({a, b, c}, flat);
}

void Mesh::transform(const glm::mat4& placement)
{
    const glm::mat3 normalMatrix = glm::transpose(glm::inverse(glm::mat3(placement)));
    for (Vertex& v : vertices_) {
        v.position = glm::vec3(placement * glm::vec4(v.position, 1.0f));
        v.normal = glm::normalize(normalMatrix * v.normal);
    }
    if (glm::determinant(glm::mat3(placement)) < 0.0f) {
        // A mirroring placement turns the faces inside out; restore the winding.
        for (std::size_t i = 0; i + 2 < indices_.size(); i += 3) {
            std::swap(indices_[i + 1], indices_[i + 2]);
        }
    }
}

void Mesh::append(const Mesh& other)
{
    const auto base = static_cast<std::uint32_t>(vertices_.size());
    vertices_.insert(vertices_.end(), other.vertices_.begin(), other.vertices_.end());
    for (std::uint32_t index : other.indices_) {
        indices_.push_back(base + index);
    }
}

Box3 Mesh::bounds() const
{
    Box3 box{glm::vec3(std::numeric_limits<float>::max()), glm::vec3(std::numeric_limits<float>::lowest())};
    for (const Vertex& v : vertices_) {
        box.min = glm::min(box.min, v.position);
        box.max = glm::max(box.max, v.position);
    }
    return box;
}

} // namespace tavernrush::assetgen
