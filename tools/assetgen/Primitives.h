#pragma once
// The low-poly building blocks of the models. Each one is modelled around its
// own origin and then placed with a matrix; every face gets picture
// coordinates that span the given region, so a swatch or a whole picture
// covers it without degenerate texture space.

#include "Mesh.h"

#include <vector>

namespace tavernrush::assetgen::primitives {

enum class Shading { Flat, Smooth };

// A box centred on the origin with the given full size. `sides` covers the
// four vertical faces (upright), `ends` the top and bottom.
void box(Mesh& mesh, const glm::mat4& placement, glm::vec3 size, const PictureRegion& sides, const PictureRegion& ends);
inline void box(Mesh& mesh, const glm::mat4& placement, glm::vec3 size, const PictureRegion& region)
{
    box(mesh, placement, size, region, region);
}

// A cylinder or cone along +y from y = 0 to y = height. A top radius of 0
// gives a pointed cone without degenerate triangles.
void frustum(Mesh& mesh, const glm::mat4& placement, float bottomRadius, float topRadius, float height, int segments,
             const PictureRegion& side, const PictureRegion& caps, Shading shading, bool withCaps = true);

// A frustum from one point to another (a limb, a rung, a rail).
void frustumBetween(Mesh& mesh, const glm::vec3& from, const glm::vec3& to, float fromRadius, float toRadius,
                    int segments, const PictureRegion& side, const PictureRegion& caps, Shading shading);

// The placement that stands a +y-aligned primitive at `from`, pointing to `to`.
glm::mat4 alongSegment(const glm::vec3& from, const glm::vec3& to);

// An ellipsoid centred on the origin.
void ellipsoid(Mesh& mesh, const glm::mat4& placement, glm::vec3 radii, int segments, int rings,
               const PictureRegion& region, Shading shading);

// A tube swept along a path with a radius per path point. A radius of 0 at
// an end closes it to a point; otherwise the ends are capped when asked.
// The region runs along the tube from its first point (bottom of the region)
// to its last (top).
void tube(Mesh& mesh, const std::vector<glm::vec3>& path, const std::vector<float>& radii, int segments,
          const PictureRegion& region, Shading shading, bool capEnds = true);

// A flat quad from four corners given bottom-left, bottom-right, top-right,
// top-left as seen from its front.
void quad(Mesh& mesh, const glm::vec3& bottomLeft, const glm::vec3& bottomRight, const glm::vec3& topRight,
          const glm::vec3& topLeft, const PictureRegion& region);

} // namespace tavernrush::assetgen::primitives
