// The normal matrix of a lit draw: normals must stay perpendicular to the
// surface under non-uniform scaling, and ignore translation.

#include "render/Geometry.h"

#include <gtest/gtest.h>

#include <glm/gtc/epsilon.hpp>
#include <glm/gtc/matrix_transform.hpp>

namespace tavernrush {
namespace {

bool near(const glm::mat3& a, const glm::mat3& b)
{
    for (int column = 0; column < 3; ++column) {
        if (!glm::all(glm::epsilonEqual(a[column], b[column], 1e-6f))) {
            return false;
        }
    }
    return true;
}

TEST(NormalMatrixTest, InvertsANonUniformScale)
{
    const glm::mat4 model = glm::scale(glm::mat4(1.0f), glm::vec3(2, 4, 8));
    EXPECT_TRUE(near(normalMatrixOf(model), glm::mat3(glm::vec3(0.5f, 0, 0), glm::vec3(0, 0.25f, 0),
                                                      glm::vec3(0, 0, 0.125f))));
}

TEST(NormalMatrixTest, KeepsRotationAndDropsTranslation)
{
    const glm::mat4 rotation = glm::rotate(glm::mat4(1.0f), 0.7f, glm::normalize(glm::vec3(1, 2, 3)));
    const glm::mat4 model = glm::translate(glm::mat4(1.0f), glm::vec3(-10, 1.5f, -6)) * rotation;
    EXPECT_TRUE(near(normalMatrixOf(model), glm::mat3(rotation)));
}

TEST(NormalMatrixTest, KeepsNormalsPerpendicularToTheirSurface)
{
    // A plane tilted by the model must keep its normal perpendicular to every
    // direction lying in it.
    const glm::mat4 model = glm::rotate(glm::scale(glm::mat4(1.0f), glm::vec3(3, 1, 0.5f)), 0.4f, glm::vec3(0, 0, 1));
    const glm::vec3 normal = normalMatrixOf(model) * glm::vec3(0, 1, 0);
    for (const glm::vec3& along : {glm::vec3(1, 0, 0), glm::vec3(0, 0, 1), glm::vec3(1, 0, 1)}) {
        const glm::vec3 moved = glm::vec3(model * glm::vec4(along, 0));
        EXPECT_NEAR(glm::dot(normal, moved), 0.0f, 1e-5f);
    }
}

} // namespace
} // namespace tavernrush
