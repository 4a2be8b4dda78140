#pragma once
// A triangle mesh being modelled: one material, positions with normals and
// picture coordinates. Picture coordinates are kept in PICTURE space (x to
// the right, y DOWN from the top row, both 0..1); the OBJ writer turns them
// into texture coordinates for the way the game binds the picture.

#include <glm/glm.hpp>

#include <cstdint>
#include <string>
#include <vector>

namespace tavernrush::assetgen {

struct Vertex {
    glm::vec3 position{0.0f};
    glm::vec3 normal{0.0f, 1.0f, 0.0f};
    glm::vec2 picture{0.0f}; // picture-space coordinate, see above
};

// A rectangle of a picture (an atlas swatch or a whole image) in picture
// space. `at` maps surface parameters (s to the right, t UP) into it, so a
// face given bottom-left first shows the region upright.
struct PictureRegion {
    glm::vec2 min{0.0f};
    glm::vec2 max{1.0f};

    glm::vec2 at(glm::vec2 st) const { return {min.x + st.x * (max.x - min.x), max.y - st.y * (max.y - min.y)}; }
    // The region shrunk by `margin` on every side, so bilinear filtering never
    // reaches the neighbouring swatch.
    PictureRegion inset(float margin) const { return {min + margin, max - margin}; }
    // A sub-rectangle given in the region's own 0..1 parameters (t up).
    PictureRegion sub(glm::vec2 stMin, glm::vec2 stMax) const;
};

struct Box3 {
    glm::vec3 min{0.0f};
    glm::vec3 max{0.0f};
    glm::vec3 size() const { return max - min; }
    glm::vec3 centre() const { return (min + max) * 0.5f; }
};

class Mesh {
public:
    Mesh(std::string name, std::string material);

    const std::string& name() const { return name_; }
    const std::string& material() const { return material_; }
    const std::vector<Vertex>& vertices() const { return vertices_; }
    const std::vector<std::uint32_t>& indices() const { return indices_; }

    // A convex polygon given counter-clockwise as seen from its front,
    // fan-triangulated. With `flat` the face normal replaces the given normals.
    void addPolygon(const std::vector<Vertex>& corners, bool flat);
    void addTriangle(const Vertex& a, const Vertex& b, const Vertex& c, bool flat);

    // Applies a placement to everything modelled so far.
    void transform(const glm::mat4& placement);
    void append(const Mesh& other);

    Box3 bounds() const;

private:
    std::string name_;
    std::string material_;
    std::vector<Vertex> vertices_;
    std::vector<std::uint32_t> indices_;
};

// Normal of the triangle (counter-clockwise), or +y for a degenerate one.
glm::vec3 faceNormal(const glm::vec3& a, const glm::vec3& b, const glm::vec3& c);

} // namespace tavernrush::assetgen
