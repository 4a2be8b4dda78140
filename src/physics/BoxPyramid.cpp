// Pyramid layout maths.

#include "physics/BoxPyramid.h"

namespace tavernrush {

int boxPyramidCount(const BoxPyramid& pyramid)
{
    return pyramid.size > 0 ? pyramid.size * (pyramid.size + 1) / 2 : 0;
}

std::vector<glm::vec3> boxPyramidCentres(const BoxPyramid& pyramid)
{
    std::vector<glm::vec3> centres;
    centres.reserve(static_cast<std::size_t>(boxPyramidCount(pyramid)));
    const int n = pyramid.size;
    const float h = pyramid.halfExtent;
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n - i; ++j) {
            const glm::vec3 local{static_cast<float>(2 * j - (n - i)) * h,
                                  static_cast<float>(2 * i + 1) * h, 0.0f};
            centres.push_back(pyramid.basePosition + local);
        }
    }
    return centres;
}

float boxMass(const BoxPyramid& pyramid)
{
    const float edge = 2.0f * pyramid.halfExtent;
    return pyramid.density * edge * edge * edge;
}

} // namespace tavernrush
