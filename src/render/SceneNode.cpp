#include "render/SceneNode.h"

#include <glm/gtc/matrix_transform.hpp>

#include <cmath>
#include <numbers>

namespace tavernrush {

SceneNode::SceneNode(float spinSpeed, Geometry mesh)
    : mesh_(std::move(mesh)), modelMatrix_(mesh_.constructionMatrix()), spinSpeed_(spinSpeed)
{
}

void SceneNode::addChild(SceneNode* child) { children_.push_back(child); }

void SceneNode::update(const glm::mat4& parent, float dt)
{
    constexpr double fullTurn = 2.0 * std::numbers::pi;
    angle_ = spinSpeed_ * dt;
    totalAngle_ = std::fmod(totalAngle_ + static_cast<double>(angle_), fullTurn);
    if (totalAngle_ < 0.0) {
        totalAngle_ += fullTurn;
    }
    placeAtTotalAngle();
    parentMatrix_ = parent;
    for (SceneNode* child : children_) {
        child->update(parent * modelMatrix_, dt);
    }
}

void SceneNode::turnTo(double totalAngle)
{
    totalAngle_ = totalAngle;
    placeAtTotalAngle();
}

void SceneNode::placeAtTotalAngle()
{
    // Rotating after the construction transform turns the node about the
    // world's vertical axis through the origin, not about its own centre.
    modelMatrix_ = glm::rotate(glm::mat4(1.0f), static_cast<float>(totalAngle_), glm::vec3(0.0f, 1.0f, 0.0f)) *
                   mesh_.constructionMatrix();
}

void SceneNode::draw()
{
    mesh_.drawAt(modelMatrix_, normalMatrixOf(modelMatrix_));
    for (SceneNode* child : children_) {
        child->draw();
    }
}

} // namespace tavernrush
