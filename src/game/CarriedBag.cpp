// Placement and spin of the carried bag.

#include "game/CarriedBag.h"

#include "game/Spin.h"

#include <glm/gtc/matrix_transform.hpp>

namespace tavernrush {

namespace {
const glm::vec3 shoulderOffset(0.0f, 3.5f, 0.5f);
const glm::vec3 bagAxis(0.0f, 0.0f, 1.0f);
constexpr float bagTiltRadians = 0.7853982f;
} // namespace

glm::mat4 carriedBagTransform(const glm::mat4& playerModel)
{
    const glm::mat4 offset = glm::translate(glm::mat4(1.0f), shoulderOffset);
    return playerModel * offset * glm::rotate(glm::mat4(1.0f), bagTiltRadians, bagAxis);
}

void CarriedBag::advance(float deltaTime)
{
    bagSpinAngle_ = advanceSpin(bagSpinAngle_, deltaTime);
}

glm::mat4 CarriedBag::modelMatrix(const glm::mat4& playerModel) const
{
    return carriedBagTransform(playerModel) * spinRotation(bagSpinAngle_, bagAxis);
}

} // namespace tavernrush
