#include "game/PickupField.h"

#include "game/Spin.h"

namespace tavernrush {
namespace {

// The periodic relocation may only pick items 0 to 16.
constexpr float relocateIndexLimit = 16.0f;

} // namespace

PickupField::PickupField(const PickupFieldDescription& description, const ItemPlacement& layout)
    : rng_(description.seed), reach_(description.reach)
{
    positions_.reserve(static_cast<std::size_t>(description.count));
    for (int i = 0; i < description.count; ++i) {
        positions_.push_back(drawPlace(layout));
    }
}

glm::vec3 PickupField::drawPlace(const ItemPlacement& placement)
{
    const float x = uniformDraw(rng_, -placement.halfExtent, placement.halfExtent);
    const float y = placement.drawHeight ? uniformDraw(rng_, placement.lowestHeight, placement.highestHeight)
                                         : placement.lowestHeight;
    const float z = uniformDraw(rng_, -placement.halfExtent, placement.halfExtent);
    return {x, y, z};
}

void PickupField::placeItem(std::size_t index, const glm::vec3& position) { positions_.at(index) = position; }

bool PickupField::inReach(const glm::vec3& playerPosition, std::size_t index) const
{
    return glm::distance(playerPosition, positions_[index]) < reach_;
}

glm::mat4 PickupField::spin() const { return spinRotation(spinAngle_, glm::vec3(0.0f, 1.0f, 0.0f)); }

void PickupField::advanceSpin(float deltaTime) { spinAngle_ = tavernrush::advanceSpin(spinAngle_, deltaTime); }

void PickupField::relocateWhenDue(float amount, float interval, const ItemPlacement& placement)
{
    relocateTimer_ += amount;
    if (relocateTimer_ <= interval) {
        return;
    }
    relocateTimer_ = 0.0f;
    const std::size_t index = drawRelocationIndex(rng_, relocateIndexLimit);
    const glm::vec3 place = drawPlace(placement);
    if (index < positions_.size()) {
        positions_[index] = place;
    }
    motion_.redraw(rng_);
}

void PickupField::drift(float deltaTime) { driftInTwoGroups(positions_, motion_.step(deltaTime)); }

void PickupField::respawn(std::size_t index, const ItemPlacement& placement)
{
    positions_[index] = drawPlace(placement);
}

} // namespace tavernrush
